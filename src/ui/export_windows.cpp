#include "ui/export_windows.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/translation.h"

namespace qv::ui {
namespace {

QLineEdit* Field(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(12);
    return e;
}

}  // namespace

TfrmExtract::TfrmExtract(QWidget* parent, app::ExportDialog& logic)
    : QDialog(parent), logic_(logic) {
    setObjectName("frmExtract");
    setWindowTitle("Export");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    first_ = Field(this, "edtExtractFirst");
    last_ = Field(this, "edtExtractLast");
    skip_ = Field(this, "edtExtractSkip");
    form->addRow("First", first_);
    form->addRow("Last", last_);
    form->addRow("Skip", skip_);
    layout->addLayout(form);
    auto* as = new QGroupBox("Export As", this);
    as->setObjectName("rgExportAs");
    auto* as_layout = new QVBoxLayout(as);
    as_avi_ = new QRadioButton("AVI movie", as);
    as_jpg_ = new QRadioButton("JPG sequence", as);
    as_layout->addWidget(as_avi_);
    as_layout->addWidget(as_jpg_);
    layout->addWidget(as);
    // The output path and its button are hidden, as designed: the save dialog chooses the file.
    file_ = Field(this, "edtExtractFile");
    file_->setMaxLength(4096);
    file_->setVisible(false);
    auto* select = new QPushButton("Select", this);
    select->setObjectName("bSetFilename");
    select->setVisible(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bbOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("BitBtn1");
    layout->addWidget(buttons);

    auto edited = [this](QLineEdit* e, std::string app::ExportDialog::*field) {
        connect(e, &QLineEdit::textEdited, this,
                [this, field](const QString& t) { logic_.*field = t.toStdString(); });
    };
    edited(first_, &app::ExportDialog::edtExtractFirst);
    edited(last_, &app::ExportDialog::edtExtractLast);
    edited(skip_, &app::ExportDialog::edtExtractSkip);
    connect(as_avi_, &QRadioButton::clicked, this,
            [this] { Handle([&] { logic_.rgExportAsClick(0); }); });
    connect(as_jpg_, &QRadioButton::clicked, this,
            [this] { Handle([&] { logic_.rgExportAsClick(1); }); });
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { Handle([&] { logic_.bbOKClick(); }); });
    connect(buttons, &QDialogButtonBox::rejected, this,
            [this] { Handle([&] { logic_.BitBtn1Click(); }); });
}

void TfrmExtract::Handle(const std::function<void()>& handler) {
    handler();
    Sync();
}

void TfrmExtract::reject() {
    Handle([&] { logic_.BitBtn1Click(); });
}

void TfrmExtract::Run() {
    Sync();
    if (logic_.visible) exec();
}

void TfrmExtract::Sync() {
    auto put = [](QLineEdit* e, const std::string& text) {
        if (e->text() != QString::fromStdString(text)) e->setText(QString::fromStdString(text));
    };
    put(first_, logic_.edtExtractFirst);
    put(last_, logic_.edtExtractLast);
    put(skip_, logic_.edtExtractSkip);
    put(file_, logic_.edtExtractFile);
    (logic_.rgExportAs == 1 ? as_jpg_ : as_avi_)->setChecked(true);
    if (!logic_.visible && isVisible()) done(logic_.bExportConfirmed ? Accepted : Rejected);
}

TfrmExtProgress::TfrmExtProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("frmExtProgress");
    setWindowTitle("Extracting ...");
    auto* layout = new QVBoxLayout(this);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("ProgressBar1");
    bar_->setMinimum(0);
    label_ = new QLabel(this);
    label_->setObjectName("lblProgress");
    label_->setAlignment(Qt::AlignCenter);
    layout->addWidget(bar_);
    layout->addWidget(label_);
    setMinimumWidth(320);
}

void TfrmExtProgress::Sync(const app::ExportProgress& s) {
    if (caption_ != s.caption) {
        caption_ = s.caption;
        setWindowTitle(Tr(caption_));
    }
    if (bar_->maximum() != s.maximum) bar_->setMaximum(s.maximum);
    if (bar_->value() != s.position) bar_->setValue(s.position);
    if (progress_text_ != s.lblProgress) {
        progress_text_ = s.lblProgress;
        label_->setText(Tr(progress_text_));
    }
    if (isVisible() != s.visible) setVisible(s.visible);
}

}  // namespace qv::ui
