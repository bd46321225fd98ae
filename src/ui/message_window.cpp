#include "ui/message_window.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform_seam.h"

namespace qv::ui {

TfrmMyMsg::TfrmMyMsg(QWidget* parent) : QDialog(parent) {
    setObjectName("frmMyMsg");
    setWindowTitle("Error");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    const char* names[] = {"lblNoDir", "lblNotFound", "lblUnkFormat", "lblNoFrames"};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromStdString(app::MessageText(i)), this);
        label->setObjectName(names[i]);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setVisible(false);
        layout->addWidget(label);
        labels_[static_cast<size_t>(i)] = label;
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("bbOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(360);
}

void TfrmMyMsg::ShowModal(int s) {
    selector = s;
    exec();
}

int TfrmMyMsg::VisibleSelector() const {
    for (int i = 0; i < 4; ++i)
        if (labels_[static_cast<size_t>(i)]->isVisible()) return i;
    return -1;
}

void TfrmMyMsg::showEvent(QShowEvent* event) {
    if (selector >= 0 && selector < 4) {
        labels_[static_cast<size_t>(selector)]->setVisible(true);
        // The window was sized before its text showed: it grows to every line of it.
        adjustSize();
    }
    QDialog::showEvent(event);
}

void TfrmMyMsg::hideEvent(QHideEvent* event) {
    if (selector >= 0 && selector < 4) labels_[static_cast<size_t>(selector)]->setVisible(false);
    QDialog::hideEvent(event);
}

}  // namespace qv::ui
