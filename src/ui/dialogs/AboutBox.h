// The About box: program name, version, what the program does and where the guide explains
// why another program may give other figures. Modal: the caller waits
// until it is closed.
#pragma once

#include <QDialog>

namespace velakor {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

// Shows the About box modally over parent.
void ShowAboutBox(QWidget* parent);

}  // namespace velakor
