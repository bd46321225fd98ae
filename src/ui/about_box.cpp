#include "ui/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::ui {

QString VersionText() {
    return QString::asprintf("Version %d.%d.%d.%d", QV_VERSION_MAJOR, QV_VERSION_MINOR,
                             QV_VERSION_PATCH, QV_VERSION_TWEAK);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel("Quillo Video Player", this);
    product->setObjectName("ProductName");
    QFont big = product->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    product->setFont(big);
    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("Version");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace qv::ui
