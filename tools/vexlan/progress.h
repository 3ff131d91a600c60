// Progress and Ctrl-C while the library converts.
//
// The library calls one progress function, installed once with
// VxSetProgressCallback, with the fraction done and a stop flag. The tool's
// function draws a bar on standard error when that is a terminal, and sets
// the stop flag once the user has pressed Ctrl-C, so that the translator
// stops cleanly. A second Ctrl-C ends the tool at once.
#ifndef VEXLAN_TOOL_PROGRESS_H
#define VEXLAN_TOOL_PROGRESS_H

#include <csignal>
#include <cstdio>
#include <string>

namespace vexlan::tool {

// "[#########-----------]  45%": `fraction` (0 to 1; anything else is held
// to the nearest end, NaN counts as 0) as a bar of `cells` cells.
std::string progressBar(double fraction, int cells);

// The progress function handed to the library: void(double, int&).
void reportProgress(double fraction, int& stop);

// Watches one conversion, from construction to destruction: catches Ctrl-C
// and, when `bar` is not null, draws the progress bar there after `label`.
// Only one watch exists at a time.
class ConversionWatch {
public:
    ConversionWatch(std::string label, std::FILE* bar);
    ~ConversionWatch();

    ConversionWatch(const ConversionWatch&) = delete;
    ConversionWatch& operator=(const ConversionWatch&) = delete;

    // True once the user has pressed Ctrl-C during this watch.
    bool interrupted() const;

    // Draws `fraction`, only when the shown percentage changes.
    void show(double fraction);

private:
    std::string m_label;
    std::FILE* m_bar;
    int m_shownPercent = -1;
    void (*m_previousHandler)(int) = SIG_DFL;
};

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_PROGRESS_H
