#include "front/Questions.h"

namespace orl {

bool ConfirmTransfer(Questions& questions, bool copyLessComplete) {
    const char* text = copyLessComplete
                           ? "The utility will copy files that appear to be less complete to the new location - data "
                             "at the new location may be lost\r\n(Existing data files at the new location will be "
                             "backed up first)\r\nContinue?"
                           : "The utility will not copy files that appear more complete to the new location\r\n"
                             "(Existing data files at the old location will not be affected)\r\nContinue?";
    return questions.Ask(BoxKind::Warning, text, BoxButtons::YesNo) == BoxAnswer::Yes;
}

}  // namespace orl
