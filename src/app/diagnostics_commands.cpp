#include "app/diagnostics_commands.h"

#include "platform/output_file.h"
#include "platform/paths.h"

namespace qv::app {

void DiagnosticsCommands::Diagnostics1Click() {
    c_.settings.nShowDiags = 1;
    c_.diag.visible = true;
}

void DiagnosticsCommands::ApplySwitches() {
    c_.avi.SetDiagnostics(c_.diag.decoder, &c_.diag);
    c_.stream.SetForceGrey(c_.diag.decoder.cbForceBW);
}

void DiagnosticsCommands::cbForceBWClick(bool on) {
    c_.diag.decoder.cbForceBW = on;
    ApplySwitches();
}

void DiagnosticsCommands::cbCheckSpuriousEOIClick(bool on) {
    c_.diag.decoder.cbCheckSpuriousEOI = on;
    ApplySwitches();
}

void DiagnosticsCommands::cbDumpRTCDataClick(bool on) {
    c_.diag.decoder.cbDumpRTCData = on;
    ApplySwitches();
}

void DiagnosticsCommands::rgDeBlockMethodClick(int item) {
    c_.deblock_method = item;
    c_.ui[ctl::Deblock1].checked = item != 0;
    c_.stream.SetDeblockMethod(item);
}

void DiagnosticsCommands::bTKMRestartClick() {
    if (c_.movie.nType == kTkm && c_.engine.State().bPaused) c_.tkm.Restart();
}

void DiagnosticsCommands::ListBox1DblClick() {
    const std::string program = platform::ExecutablePath();
    const size_t slash = program.find_last_of('/');
    SaveDialogRequest request;
    request.folder = slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    request.file_name = (name.empty() ? std::string("qvplay") : name) + ".log";
    request.filter_label = "Log";
    request.filter_pattern = "*.log";
    request.default_extension = "log";
    const std::string path = c_.platform.RunSaveDialog(request);
    if (path.empty()) return;
    std::string text;
    for (const std::string& line : c_.diag.lines)
        text.append(line).push_back('\n');
    platform::OutputFile out;
    const bool written = out.Open(path, {}) && out.Write(text.data(), text.size());
    if (!written || !out.Commit()) c_.platform.ShowErrorBox(out.Error(), "Error");
}

}  // namespace qv::app
