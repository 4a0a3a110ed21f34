// The conversions between project files and catchment tables of
// `hydrim-cli batch`: the template, project files to table rows and table
// rows to project files.
#pragma once

#include <string>
#include <vector>

namespace hydrim::cli {

// Prints the template table (header and one example row per variant) on stdout.
int PrintTableTemplate();

// Writes the rows of the project files (and folders of them) as one table to
// output, or stdout when output is empty. An existing output is replaced
// only with force.
int ProjectsToTable(const std::vector<std::string>& inputs, const std::string& output, bool force);

// Writes one project file per table row into folder, named after the row's
// id. Existing files are replaced only with force.
int TablesToProjects(const std::vector<std::string>& tables, const std::string& folder, bool force);

} // namespace hydrim::cli
