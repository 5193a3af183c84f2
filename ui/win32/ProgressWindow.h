// The small window that shows a long configuration working: the step, the file in hand and a
// moving bar. The worker thread leaves its latest activity here and posts a message to say so;
// only the window's own thread touches the window.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
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
    void ShowLatest();
    int Scale(int designPixels) const;

    HWND owner_;
    HWND window_ = nullptr, step_ = nullptr, file_ = nullptr, bar_ = nullptr;
    int dpi_ = 96;
    std::string workStep_;
    struct Activity {
        FileActivity activity;
        std::string path;
    };
    std::mutex latestLock_;
    Activity latest_{FileActivity::Listing, std::string()};
    std::atomic<bool> posted_{false};
};

}  // namespace orl
