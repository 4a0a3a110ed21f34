// The desktop application's windows are added beside this file.
namespace hydrim::gui {
int BuildMarker() { return 0; }
} // namespace hydrim::gui
