#include "ui/ORLConfigParamInfo.h"

#include "front/ProgramTexts.h"

namespace orl {

std::vector<ControlEvent> TParamInfoForm::Events() {
    return {{"btnOK", [this] { btnOKClick(); }}};
}

void TParamInfoForm::FormShow() {
    view_.SetText("Memo", ProgramTitle(consoleBuild_) + "\r\n\r\n" + ShowSyntax(display_, consoleBuild_));
}

void TParamInfoForm::btnOKClick() { view_.Close(); }

}  // namespace orl
