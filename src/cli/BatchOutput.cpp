#include "cli/BatchOutput.h"

#include "cli/CliCommon.h"
#include "core/project/SystemErrorText.h"
#include "export/SummaryWorkbook.h"
#include "json/ComputationJson.h"
#include "json/JsonText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace hydrim::cli {
namespace {

using json = nlohmann::ordered_json;

// A text file written under a temporary name beside its target.
class TemporaryTextFile {
public:
    explicit TemporaryTextFile(const std::string& target)
        : target_(target), temporary_(target + ".~" + std::to_string(::getpid()) + ".tmp"),
          out_(temporary_, std::ios::binary) {}
    ~TemporaryTextFile() {
        if (!committed_) {
            out_.close();
            std::error_code ignored;
            std::filesystem::remove(temporary_, ignored);
        }
    }
    std::string problem() const { return out_ ? std::string() : message(SystemErrorText(errno)); }
    std::ofstream& out() { return out_; }
    std::string commit() {
        out_.close();
        if (!out_) {
            return message("zápis selhal");
        }
        if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
            return message(SystemErrorText(errno));
        }
        committed_ = true;
        return {};
    }

private:
    std::string message(const std::string& reason) const {
        return "Soubor \"" + target_ + "\" se nepodařilo zapsat: " + reason;
    }
    std::string target_;
    std::string temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

class CsvOutput : public SummaryOutput {
public:
    CsvOutput(const std::string& path, char separator) : file_(path), separator_(separator) {
        file_.out() << SummaryCsvHeader(separator_);
    }
    std::string Problem() const override { return file_.problem(); }
    void Add(const CatchmentOutcome&, const std::vector<SummaryRow>& rows) override {
        for (const SummaryRow& row : rows) {
            write(row);
        }
    }
    std::string Finish(const std::optional<SummaryRow>& partial) override {
        if (partial) {
            write(*partial);
        }
        return file_.commit();
    }

private:
    void write(const SummaryRow& row) { file_.out() << SummaryCsvLine(row, separator_); }
    TemporaryTextFile file_;
    char separator_;
};

class JsonOutput : public SummaryOutput {
public:
    explicit JsonOutput(const std::string& path) : file_(path) { file_.out() << "["; }
    std::string Problem() const override { return file_.problem(); }
    void Add(const CatchmentOutcome& outcome, const std::vector<SummaryRow>&) override {
        write(CatchmentJson(outcome));
    }
    std::string Finish(const std::optional<SummaryRow>& partial) override {
        if (partial) {
            write(json{{"partial", true}, {"message", partial->Message}});
        }
        file_.out() << (first_ ? "]\n" : "\n]\n");
        return file_.commit();
    }

private:
    static json CatchmentJson(const CatchmentOutcome& outcome) {
        json document = {{"id", outcome.Id}, {"name", outcome.Name}, {"source", outcome.Source}};
        const Computation& computation = outcome.Result;
        if (computation.LoadError) {
            document["error"] = computation.LoadError.Message;
            return document;
        }
        const ComputeOutcome& result = computation.Outcome;
        if (!result.ok() && result.status != ComputeOutcome::Status::NoRunoff) {
            document["error"] = result.message;
            return document;
        }
        document.update(ComputationDocument(*computation.State, result)); // with its warnings
        return document;
    }
    void write(const json& object) {
        file_.out() << (first_ ? "\n" : ",\n") << DumpJson(object);
        first_ = false;
    }
    TemporaryTextFile file_;
    bool first_ = true;
};

class XlsxOutput : public SummaryOutput {
public:
    explicit XlsxOutput(const std::string& path) : workbook_(path) {}
    std::string Problem() const override { return {}; }
    void Add(const CatchmentOutcome&, const std::vector<SummaryRow>& rows) override {
        for (const SummaryRow& row : rows) {
            workbook_.Add(row);
        }
    }
    std::string Finish(const std::optional<SummaryRow>& partial) override {
        if (partial) {
            workbook_.Add(*partial);
        }
        return workbook_.Finish().Message;
    }

private:
    SummaryWorkbook workbook_;
};

} // namespace

std::unique_ptr<SummaryOutput> MakeSummaryOutput(SummaryFormat format, const std::string& path,
                                                 char separator) {
    switch (format) {
    case SummaryFormat::Json:
        return std::make_unique<JsonOutput>(path);
    case SummaryFormat::Xlsx:
        return std::make_unique<XlsxOutput>(path);
    case SummaryFormat::Csv:
        break;
    }
    return std::make_unique<CsvOutput>(path, separator);
}

} // namespace hydrim::cli
