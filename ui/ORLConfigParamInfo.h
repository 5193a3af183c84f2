// The parameter information dialog: the program's title and command-line syntax, for
// administrators who configure workstations from scripts.
#pragma once

#include "front/OutcomeDisplay.h"
#include "ui/FormView.h"

namespace orl {

class TParamInfoForm final : public FormLogic {
public:
    TParamInfoForm(FormView& view, OutcomeDisplay& display, bool consoleBuild)
        : view_(view), display_(display), consoleBuild_(consoleBuild) {}

    // The text is rebuilt at every showing, so nothing accumulates.
    void FormShow() override;
    std::vector<ControlEvent> Events() override;
    void btnOKClick();

private:
    FormView& view_;
    OutcomeDisplay& display_;
    bool consoleBuild_;
};

}  // namespace orl
