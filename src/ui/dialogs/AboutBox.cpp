#include "ui/dialogs/AboutBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialogs/WebLinks.h"
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
                                    "Indian, South Indian or East Indian style, with the sixteen divisional charts "
                                    "(D1 to D60)."),
        this);
    purpose->setObjectName(QStringLiteral("lblDescription"));
    purpose->setWordWrap(true);
    // The first question after a reading is often why another program printed other figures.
    auto* otherAnswers = new QLabel(
        QStringLiteral("Figures differ from another program's? Read <a href=\"#%1\">When another program gives another "
                       "answer</a> in the user guide.")
            .arg(QLatin1String(kOtherAnswersSection)),
        this);
    otherAnswers->setObjectName(QStringLiteral("lblOtherAnswers"));
    otherAnswers->setWordWrap(true);
    otherAnswers->setTextFormat(Qt::RichText);
    connect(otherAnswers, &QLabel::linkActivated, this,
            [this] { OpenUserGuide(this, QLatin1String(kOtherAnswersSection)); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("velakor::MessageBox", "OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addWidget(otherAnswers);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void ShowAboutBox(QWidget* parent) {
    AboutBox box(parent);
    box.exec();
}

}  // namespace velakor
