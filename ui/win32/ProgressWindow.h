// The small window that shows a long configuration working: the step, the file in hand and a
// moving bar. Activities arrive from the worker thread as posted messages; only the window's own
// thread touches the window.
#pragma once

#include <windows.h>

#include <string>

#include "platform/reporting/ReportingPlatform.h"

namespace orl {

class ProgressWindow final : public ActivityListener {
public:
    ProgressWindow(HWND owner, HFONT font, const std::string& caption);
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // May be called from any thread.
    void OnActivity(FileActivity activity, const std::string& path) override;

    // A new piece of work: its step shows until a copy or a write says more.
    void Begin(const std::string& step);
    void Show();
    void Hide();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Show(FileActivity activity, const std::string& path);
    int Scale(int designPixels) const;

    HWND owner_;
    HWND window_ = nullptr, step_ = nullptr, file_ = nullptr, bar_ = nullptr;
    int dpi_ = 96;
    std::string workStep_;
};

}  // namespace orl
