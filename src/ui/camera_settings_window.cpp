#include "ui/camera_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/paths.h"
#include "ui/translation.h"

namespace qv::ui {
namespace {

constexpr const char* kChooseFolder = "Choose folder...";

QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* title,
                      std::array<QRadioButton*, 3>& buttons, std::array<const char*, 3> texts) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* layout = new QHBoxLayout(box);
    for (size_t i = 0; i < 3; ++i) {
        buttons[i] = new QRadioButton(texts[i], box);
        layout->addWidget(buttons[i]);
    }
    return box;
}

}  // namespace

TfrmSetCamReg::TfrmSetCamReg(QWidget* parent, camera::CameraSettingsLogic& logic)
    : QDialog(parent), logic_(logic) {
    setObjectName("frmSetCamReg");
    setWindowTitle("Camera Settings");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup(this, "rgSwitch", "Switch", switch_, {"&1", "&2", "&3"}));
    layout->addWidget(BuildInterval());
    layout->addWidget(
        RadioGroup(this, "rgFlicker", "Banding Filter", flicker_, {"&None", "&60 Hz", "&50 Hz"}));
    auto* form = new QGridLayout;
    time_ = new QComboBox(this);
    time_->setObjectName("cbTime");
    time_->addItems({"System Time", "System Time + 1 Min.", "System Time + 5 Min."});
    auto* time_label = new QLabel("Set &Time to", this);
    time_label->setBuddy(time_);
    form->addWidget(time_label, 0, 0);
    form->addWidget(time_, 0, 1);
    drive_ = new QComboBox(this);
    drive_->setObjectName("cbDrive");
    drive_->setMinimumWidth(220);
    auto* drive_label = new QLabel("&Flash Drive", this);
    drive_label->setBuddy(drive_);
    form->addWidget(drive_label, 1, 0);
    form->addWidget(drive_, 1, 1);
    layout->addLayout(form);
    loop_ = new QCheckBox("&Looping", this);
    loop_->setObjectName("cbLoop");
    lock_ = new QCheckBox("&Exposure Lock", this);
    lock_->setObjectName("cbExpoLock");
    layout->addWidget(loop_);
    layout->addWidget(lock_);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("bOK");
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole)->setObjectName("bCancel");
    layout->addWidget(buttons);

    for (int i = 0; i < 3; ++i) {
        connect(switch_[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Handle([&] { logic_.rgSwitchClick(i); }); });
        connect(flicker_[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Handle([&] { logic_.rgFlickerClick(i); }); });
    }
    connect(time_, &QComboBox::activated, this, [this](int i) { logic_.cbTime = i; });
    connect(loop_, &QCheckBox::clicked, this,
            [this](bool on) { Handle([&] { logic_.cbLoopClick(on); }); });
    connect(lock_, &QCheckBox::clicked, this,
            [this](bool on) { Handle([&] { logic_.cbExpoLockClick(on); }); });
    connect(drive_, &QComboBox::activated, this, [this](int i) {
        QString folder = drive_->itemText(i);
        if (folder == Tr(kChooseFolder))
            folder = QFileDialog::getExistingDirectory(this, Tr("Flash Drive"),
                                                       QString::fromStdString(logic_.drive));
        if (!folder.isEmpty()) Handle([&] { logic_.cbDriveChange(folder.toStdString()); });
        Sync();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Handle([&] { logic_.bOKClick(); });
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmSetCamReg::reject);
}

QWidget* TfrmSetCamReg::BuildInterval() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const char* names[] = {"edtHours", "edtMinutes", "edtSeconds"};
    const char* labels[] = {"&Hours", "&Minutes", "&Seconds"};
    const char* arrows[] = {"udHours", "udMinutes", "udSeconds"};
    for (int f = 0; f < 3; ++f) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(names[f]);
        edit->setMaxLength(3);
        edit->setFixedWidth(44);
        edit->installEventFilter(this);
        edits_[static_cast<size_t>(f)] = edit;
        auto* label = new QLabel(labels[f], box);
        label->setBuddy(edit);
        auto* up = new QToolButton(box);
        up->setObjectName(QString(arrows[f]) + "Up");
        up->setArrowType(Qt::UpArrow);
        auto* down = new QToolButton(box);
        down->setObjectName(QString(arrows[f]) + "Down");
        down->setArrowType(Qt::DownArrow);
        grid->addWidget(label, 0, f * 3, 1, 3);
        grid->addWidget(edit, 1, f * 3);
        grid->addWidget(up, 1, f * 3 + 1);
        grid->addWidget(down, 1, f * 3 + 2);
        connect(up, &QToolButton::clicked, this, [this, f] { Arrow(f, +1); });
        connect(down, &QToolButton::clicked, this, [this, f] { Arrow(f, -1); });
        connect(edit, &QLineEdit::textEdited, this, [this, f](const QString& t) {
            Handle([&] {
                const std::string text = t.toStdString();
                if (f == 0) logic_.edtHoursChange(text);
                if (f == 1) logic_.edtMinutesChange(text);
                if (f == 2) logic_.edtSecondsChange(text);
            });
        });
        if (f > 0)
            connect(edit, &QLineEdit::editingFinished, this, [this, f] {
                if (!syncing_)
                    Handle([&] { f == 1 ? logic_.edtMinutesExit() : logic_.edtSecondsExit(); });
            });
    }
    return box;
}

void TfrmSetCamReg::Arrow(int field, int step) {
    const int maximum = field == 0 ? logic_.hours_maximum : 60;
    const int position = std::clamp(logic_.arrows[static_cast<size_t>(field)] + step, 0, maximum);
    Handle([&] {
        if (field == 0) logic_.udHoursClick(position);
        if (field == 1) logic_.udMinutesClick(position);
        if (field == 2) logic_.udSecondsClick(position);
    });
}

bool TfrmSetCamReg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    for (int f = 0; f < 3; ++f) {
        if (watched != edits_[static_cast<size_t>(f)]) continue;
        auto* key = static_cast<QKeyEvent*>(event);
        char c = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            c = '\r';
        else if (key->key() == Qt::Key_Backspace)
            c = '\b';
        else if (key->text().size() == 1 && key->text()[0].unicode() < 128)
            c = static_cast<char>(key->text()[0].unicode());
        if (c == 0) return false;  // movement and editing keys pass
        bool swallowed = false;
        Handle([&] { swallowed = logic_.KeyPress(f, c); });
        return swallowed;
    }
    return false;
}

void TfrmSetCamReg::Handle(const std::function<void()>& handler) {
    handler();
    Sync();
}

void TfrmSetCamReg::reject() {
    logic_.bCancelClick();
    QDialog::reject();
}

void TfrmSetCamReg::FocusField(int field) {
    if (field >= 0 && field < 3) edits_[static_cast<size_t>(field)]->setFocus();
}

void TfrmSetCamReg::FillDrives() {
    drive_->clear();
    QStringList drives;
    for (const std::string& v : platform::RemovableVolumes())
        drives << QString::fromStdString(v);
    const QString chosen = QString::fromStdString(logic_.drive);
    if (!chosen.isEmpty() && !drives.contains(chosen)) drives.prepend(chosen);
    drives << Tr(kChooseFolder);
    drive_->addItems(drives);
    drive_->setCurrentIndex(chosen.isEmpty() ? -1 : static_cast<int>(drives.indexOf(chosen)));
}

void TfrmSetCamReg::Sync() {
    syncing_ = true;
    for (size_t f = 0; f < 3; ++f) {
        const QString text = QString::fromStdString(logic_.edits[f]);
        if (edits_[f]->text() != text) edits_[f]->setText(text);
    }
    switch_[static_cast<size_t>(logic_.rgSwitch)]->setChecked(true);
    flicker_[static_cast<size_t>(logic_.rgFlicker)]->setChecked(true);
    time_->setCurrentIndex(logic_.cbTime);
    loop_->setChecked(logic_.cbLoop);
    lock_->setChecked(logic_.cbExpoLock);
    FillDrives();
    syncing_ = false;
}

void TfrmSetCamReg::Run() {
    Sync();
    exec();
}

}  // namespace qv::ui
