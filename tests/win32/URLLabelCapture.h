#pragma once
// Wine's browser pointed at a capture script for the life of the object:
// each address the shell opens in the browser is appended, one a line, to a
// file of our own, and the previous browser setting comes back afterwards.

#include <string>
#include <vector>

class BrowserCapture {
public:
    BrowserCapture();
    ~BrowserCapture();
    BrowserCapture(const BrowserCapture&) = delete;
    BrowserCapture& operator=(const BrowserCapture&) = delete;

    // False when this is not Wine, or the script could not be set up;
    // Problem says which.
    bool Ready() const { return ready_; }
    bool OnWine() const { return problem_ != "not running under Wine"; }
    const std::string& Problem() const { return problem_; }
    // The addresses captured so far, as the browser got them (UTF-8).
    std::vector<std::string> Addresses() const;
    // Waits until at least count addresses have arrived (they come a little
    // after the shell's call returned) or the timeout ends.
    std::vector<std::string> WaitFor(size_t count, unsigned timeoutMs = 10000) const;

private:
    void RestoreBrowsers();

    bool ready_ = false;
    std::string problem_;
    std::string dir_;       // Windows path of our folder
    std::string captured_;  // Windows path of the capture file
    bool hadBrowsers_ = false;
    std::string oldBrowsers_;
};
