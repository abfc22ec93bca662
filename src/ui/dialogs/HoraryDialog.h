// The horary question: the querent's number 1..249, the moment it was asked (now unless the
// user says otherwise) and the place (the birth's unless the user says otherwise). The chart
// window's entry asks it, and the horary view shows the chart it gives.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "ui/window/ViewSources.h"

namespace Ui {
class HoraryDialog;
}

namespace velakor {

class HoraryDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the last question asked, else on now at the birth place; moments are typed on
    // the birth's clock.
    HoraryDialog(const Program& program, const std::optional<HoraryQuestion>& last, QWidget* parent = nullptr);
    ~HoraryDialog() override;

    // The question as the fields give it, or a message saying what is wrong with them.
    std::optional<HoraryQuestion> Question(QString& message) const;
    // The question accepted (valid once the dialog was accepted).
    const HoraryQuestion& question() const { return question_; }

    // Asks the question over parent and hands it to the sources; false when cancelled.
    static bool Ask(QWidget* parent, ViewSources& sources);

    void accept() override;

private:
    void SetMoment(double jdUt);

    std::unique_ptr<Ui::HoraryDialog> ui_;
    const Program& program_;
    int offset_ = 0;
    HoraryQuestion question_;
};

}  // namespace velakor
