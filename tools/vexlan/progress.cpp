// Progress and Ctrl-C while the library converts.
#include "progress.h"

#include <atomic>
#include <cmath>

namespace vexlan::tool {

namespace {

// Set by the signal handler, read by the progress function.
std::atomic<bool> ctrlCPressed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

ConversionWatch* currentWatch = nullptr;

constexpr int kBarCells = 30;

extern "C" void onCtrlC(int) {
    ctrlCPressed = true;
    // The translator stops at its next progress report. Should it not report
    // again, a second Ctrl-C ends the tool the usual way.
    std::signal(SIGINT, SIG_DFL);
}

double clampFraction(double fraction) {
    if (std::isnan(fraction) || fraction < 0.0) return 0.0;
    return fraction > 1.0 ? 1.0 : fraction;
}

} // namespace

std::string progressBar(double fraction, int cells) {
    fraction = clampFraction(fraction);
    const int filled = static_cast<int>(fraction * cells);
    const int percent = static_cast<int>(fraction * 100.0);
    char number[8];
    std::snprintf(number, sizeof number, "%3d%%", percent);
    return '[' + std::string(filled, '#') + std::string(cells - filled, '-') + "] " + number;
}

void reportProgress(double fraction, int& stop) {
    if (ctrlCPressed) stop = 1;
    if (currentWatch != nullptr) currentWatch->show(fraction);
}

ConversionWatch::ConversionWatch(std::string label, std::FILE* bar)
    : m_label(std::move(label)), m_bar(bar) {
    ctrlCPressed = false;
    currentWatch = this;
    m_previousHandler = std::signal(SIGINT, onCtrlC);
    if (m_previousHandler == SIG_ERR) m_previousHandler = SIG_DFL;
    // A tool started with Ctrl-C ignored (in the background) keeps ignoring it.
    if (m_previousHandler == SIG_IGN) std::signal(SIGINT, SIG_IGN);
}

ConversionWatch::~ConversionWatch() {
    std::signal(SIGINT, m_previousHandler);
    currentWatch = nullptr;
    if (m_bar != nullptr && m_shownPercent >= 0) {
        // Clear the bar's line so that the tool's report starts clean.
        const std::size_t width = m_label.size() + 1 + progressBar(1.0, kBarCells).size();
        std::fprintf(m_bar, "\r%s\r", std::string(width, ' ').c_str());
        std::fflush(m_bar);
    }
}

bool ConversionWatch::interrupted() const { return ctrlCPressed; }

void ConversionWatch::show(double fraction) {
    if (m_bar == nullptr) return;
    const int percent = static_cast<int>(clampFraction(fraction) * 100.0);
    if (percent == m_shownPercent) return;
    m_shownPercent = percent;
    std::fprintf(m_bar, "\r%s %s", m_label.c_str(), progressBar(fraction, kBarCells).c_str());
    std::fflush(m_bar);
}

} // namespace vexlan::tool
