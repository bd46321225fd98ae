#include "ui/diagnostics_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/translation.h"

namespace qv::ui {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

template <typename W, typename... Args>
W* Named(const char* name, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)...);
    w->setObjectName(name);
    return w;
}

}  // namespace

TfrmDiags::TfrmDiags(QWidget* parent, app::MainWindowLogic& logic, std::function<void()> changed)
    : QWidget(parent, Qt::Tool),
      logic_(logic),
      diag_(logic.diagnostics()),
      changed_(std::move(changed)) {
    setObjectName("frmDiags");
    setWindowTitle("Diagnostics");
    setFont(parent->font());

    list_ = Named<QListWidget>("ListBox1", this);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumSize(230, 320);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    popup_ = Named<QMenu>("PopupMenu1", this);
    connect(popup_->addAction("&Clear"), &QAction::triggered, this,
            [this] { Handle([&] { diag_.ClearList(); }); });
    popup_->addAction("C&ancel");
    connect(list_, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(list_->viewport()->mapToGlobal(at)); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this] { Handle([&] { logic_.diagnostics_commands().ListBox1DblClick(); }); });

    auto* count_row = new QHBoxLayout;
    count_row->addWidget(new QLabel("Bad Frms:", this));
    count_row->addWidget(AddValue(this, "lblBadFrameCount", diag_.lblBadFrameCount), 1);
    auto* clear = Named<QPushButton>("Button1", "&Clear", this);
    connect(clear, &QPushButton::clicked, this, [this] { Handle([&] { diag_.Button1Click(); }); });
    count_row->addWidget(clear);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addLayout(count_row);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildSwitches());
    right->addWidget(BuildBreakpoint());
    right->addWidget(BuildDebugInfo());
    right->addWidget(BuildHiddenControls());
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
}

QCheckBox* TfrmDiags::AddSwitch(QWidget* parent, const char* name, const char* caption,
                                const bool& flag, std::function<void(bool)> handler) {
    auto* box = Named<QCheckBox>(name, caption, parent);
    connect(box, &QCheckBox::toggled, this, [this, handler](bool on) {
        if (!syncing_) Handle([&] { handler(on); });
    });
    switches_.push_back({box, &flag});
    return box;
}

QLabel* TfrmDiags::AddValue(QWidget* parent, const char* name, const std::string& text) {
    auto* label = Named<QLabel>(name, parent);
    label->setTextFormat(Qt::PlainText);
    shown_.push_back({label, &text, {}});
    label->setText(Tr(text));
    shown_.back().last = text;
    return label;
}

QWidget* TfrmDiags::BuildSwitches() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    app::DiagnosticsCommands& commands = logic_.diagnostics_commands();
    diag::DiagnosticsLogic& d = diag_;
    grid->addWidget(AddSwitch(box, "cbShowExpo", "Show &Expo", d.bShowExpo,
                              [&d](bool on) { d.bShowExpo = on; }),
                    0, 0);
    grid->addWidget(AddSwitch(box, "cbShowTimes", "Show &Times", d.bShowTimes,
                              [&d](bool on) { d.bShowTimes = on; }),
                    1, 0);
    grid->addWidget(AddSwitch(box, "cbDumpRTCData", "Dump RTC Data", d.decoder.cbDumpRTCData,
                              [&commands](bool on) { commands.cbDumpRTCDataClick(on); }),
                    2, 0);
    grid->addWidget(AddSwitch(box, "cbForceBW", "Force &B&&W", d.decoder.cbForceBW,
                              [&commands](bool on) { commands.cbForceBWClick(on); }),
                    3, 0);
    grid->addWidget(AddSwitch(box, "cbShowBadFrames", "Display Bad Frames", d.g_bShowBadFrames,
                              [&d](bool on) { d.g_bShowBadFrames = on; }),
                    0, 1);
    grid->addWidget(AddSwitch(box, "cbReportAllFrames", "Report Good Frames", d.bReportAllFrames,
                              [&d](bool on) { d.bReportAllFrames = on; }),
                    1, 1);
    grid->addWidget(
        AddSwitch(box, "cbCheckSpuriousEOI", "JPEG EOI Check", d.decoder.cbCheckSpuriousEOI,
                  [&commands](bool on) { commands.cbCheckSpuriousEOIClick(on); }),
        2, 1);
    return box;
}

QWidget* TfrmDiags::BuildBreakpoint() {
    auto* box = Named<QGroupBox>("rgBreakpoint", "Breakpoint", this);
    auto* grid = new QGridLayout(box);
    const char* items[] = {"None", "Retries > n", "chg luma > n", "tbd"};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(items[i], box);
        breakpoint_[static_cast<size_t>(i)] = radio;
        grid->addWidget(radio, i, 0);
        connect(radio, &QRadioButton::clicked, this, [this, i] {
            Handle([&] {
                diag_.rgBreakpointClick(i, retry_->text().toStdString(),
                                        luma_->text().toStdString());
            });
        });
    }
    retry_ = Named<QLineEdit>("edtRetryCount", "0", box);
    luma_ = Named<QLineEdit>("edtChgLuma", "10", box);
    for (QLineEdit* edit : {retry_, luma_})
        edit->setMaximumWidth(60);
    grid->addWidget(retry_, 1, 1);
    grid->addWidget(luma_, 2, 1);
    auto* score = new QHBoxLayout;
    score->addWidget(new QLabel("Focus Score", this));
    score->addWidget(AddValue(this, "lblFocusScore", diag_.lblFocusScore), 1);
    grid->addLayout(score, 4, 0, 1, 2);
    return box;
}

QWidget* TfrmDiags::BuildDebugInfo() {
    auto* box = Named<QGroupBox>("GroupBox1", "KMX Debug Info", this);
    auto* grid = new QGridLayout(box);
    const diag::CameraValueTexts& v = diag_.values;
    const struct {
        const char* caption;
        const char* name;
        const std::string& text;
    } rows[] = {{"FW Rev", "lblFWRev", v.lblFWRev},
                {"FPGA Rev", "lblFPGARev", v.lblFPGARev},
                {"AWB Samples", "lblAWBSamples", v.lblAWBSamples},
                {"R,G,B Avg", "lblRGBAvg", v.lblRGBAvg},
                {"R,G,B Gain", "lblRGBGain", v.lblRGBGain},
                {"Luma", "lblLuma", v.lblLuma},
                {"", "lblLuma1", v.lblLuma1},
                {"", "lblLuma2", v.lblLuma2},
                {"Raw Expo", "lblRawExpo", v.lblRawExpo},
                {"Phys Exp", "lblPhysExpo", v.lblPhysExpo},
                {"AE Gain", "lblAEGain", v.lblAEGain},
                {"Min Batt", "lblBatt", v.lblBatt},
                {"Batt", "lblBatt2", v.lblBatt2},
                {"Retries", "lblFRC", v.lblFRC},
                {"Exp Type (TTL Only)", "lblExpType", v.lblExpType},
                {"WB Mode", "lblWBMode", v.lblWBMode},
                {"Temp:", "lblTemp", v.lblTemp}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(r.caption, box), row, 0);
        grid->addWidget(AddValue(box, r.name, r.text), row, 1);
        ++row;
    }
    grid->setColumnMinimumWidth(1, 110);
    return box;
}

// Controls the window carries hidden, as it always has: the deblocking method group, the .tkm
// switches, the quantiser display, the decode and display times and the focus button.
QWidget* TfrmDiags::BuildHiddenControls() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    auto* deblock = Named<QGroupBox>("rgDeBlockMethod", "DeBlock Method", box);
    auto* items = new QVBoxLayout(deblock);
    const char* methods[] = {"0 - None", "1 - Buffer-wide LPF", "2 - TKC Filter"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(methods[i], deblock);
        deblock_[static_cast<size_t>(i)] = radio;
        items->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, i] {
            Handle([&] { logic_.diagnostics_commands().rgDeBlockMethodClick(i); });
        });
    }
    layout->addWidget(deblock);
    layout->addWidget(Named<QLabel>("Label3", "TKM-Mode Debug Options", box));
    diag::DiagnosticsLogic& d = diag_;
    layout->addWidget(AddSwitch(box, "cbPauseOnStop", "TKM Pause on Stop (don't reset movie)",
                                d.bTKMPauseOnStop, [&d](bool on) { d.bTKMPauseOnStop = on; }));
    layout->addWidget(AddSwitch(box, "cbEnableTKMSingleStep", "Enable TKM Single Step",
                                d.bTKMSingleStep, [&d](bool on) { d.bTKMSingleStep = on; }));
    layout->addWidget(AddSwitch(box, "cbShowQuant", "Show QScale", d.bShowQuant,
                                [&d](bool on) { d.bShowQuant = on; }));
    auto* restart = Named<QPushButton>("bTKMRestart", "TKM Restart", box);
    connect(restart, &QPushButton::clicked, this,
            [this] { Handle([&] { logic_.diagnostics_commands().bTKMRestartClick(); }); });
    layout->addWidget(restart);
    auto* focus = Named<QPushButton>("bGetFocusScore", "Get Focus Score", box);
    connect(focus, &QPushButton::clicked, this,
            [this] { Handle([&] { logic_.diagnostics_commands().bGetFocusScoreClick(); }); });
    layout->addWidget(focus);
    for (const auto& [name, text] : {std::pair{"lblQDisp", &d.lblQDisp},
                                     {"lblQNum", &d.lblQNum},
                                     {"lblDecTime", &d.lblDecTime},
                                     {"lblDispTime", &d.lblDispTime}})
        layout->addWidget(AddValue(box, name, *text));
    box->hide();
    return box;
}

void TfrmDiags::Handle(const std::function<void()>& handler) {
    handler();
    changed_();
}

void TfrmDiags::Sync() {
    if (!diag_.visible) {
        if (isVisible()) hide();
        return;
    }
    if (!isVisible()) {
        move(diag_.left, diag_.top);
        show();
    }
    syncing_ = true;
    for (const Switch& s : switches_)
        if (s.box->isChecked() != *s.flag) s.box->setChecked(*s.flag);
    const int kind = diag_.breakpoint.kind();
    if (kind >= 0 && kind < 4 && !breakpoint_[static_cast<size_t>(kind)]->isChecked())
        breakpoint_[static_cast<size_t>(kind)]->setChecked(true);
    const int method = logic_.deblock_method();
    if (method >= 0 && method < 3 && !deblock_[static_cast<size_t>(method)]->isChecked())
        deblock_[static_cast<size_t>(method)]->setChecked(true);
    for (Shown& s : shown_) {
        if (s.last == *s.text) continue;
        s.last = *s.text;
        // Words ("n/a", "Auto", "Fast") in the active language; numbers stay as they are.
        s.label->setText(Tr(s.last));
    }
    SyncList();
    syncing_ = false;
}

void TfrmDiags::SyncList() {
    const std::vector<std::string>& lines = diag_.lines;
    if (list_generation_ != diag_.list_generation || lines.size() < list_rows_) {
        list_->clear();
        list_rows_ = 0;
        list_generation_ = diag_.list_generation;
    }
    if (list_rows_ == lines.size()) return;
    for (; list_rows_ < lines.size(); ++list_rows_)
        list_->addItem(Q(lines[list_rows_]));
    // The newest rows stay in view.
    list_->scrollToBottom();
}

void TfrmDiags::closeEvent(QCloseEvent* event) {
    diag_.visible = false;
    QWidget::closeEvent(event);
}

void TfrmDiags::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isVisible()) return;
    diag_.left = pos().x();
    diag_.top = pos().y();
}

}  // namespace qv::ui
