#include "ui/dialogs/AboutBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/drawing/Fonts.h"

namespace velakor {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QCoreApplication::translate("velakor::AboutBox", "About Velakor"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Velakor"), this);
    name->setObjectName(QStringLiteral("lblTitle"));
    name->setFont(VerdanaFont(18, true));
    auto* version = new QLabel(QCoreApplication::translate("velakor::AboutBox", "Version 1.70"), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* purpose = new QLabel(
        QCoreApplication::translate("velakor::AboutBox",
                                    "Casts a Vedic birth chart from the birth data and shows it in the North "
                                    "Indian, South Indian or East Indian style, with six divisional charts."),
        this);
    purpose->setObjectName(QStringLiteral("lblDescription"));
    purpose->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("velakor::MessageBox", "OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void ShowAboutBox(QWidget* parent) {
    AboutBox box(parent);
    box.exec();
}

}  // namespace velakor
