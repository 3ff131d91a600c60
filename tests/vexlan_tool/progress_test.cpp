// The progress bar and Ctrl-C during a conversion.
#include "progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <string>

namespace {

using vexlan::tool::ConversionWatch;
using vexlan::tool::progressBar;
using vexlan::tool::reportProgress;

TEST(ProgressBar, ShowsTheFractionAndHoldsOddValuesToTheEnds) {
    const struct {
        double fraction;
        const char* bar;
    } cases[] = {
        {0.0, "[----------]   0%"},   {0.5, "[#####-----]  50%"},      {1.0, "[##########] 100%"},
        {0.999, "[#########-]  99%"}, {-0.5, "[----------]   0%"},     {7.0, "[##########] 100%"},
        {NAN, "[----------]   0%"},   {INFINITY, "[##########] 100%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fraction);
        EXPECT_EQ(progressBar(c.fraction, 10), c.bar);
    }
}

// What a watch drew on its bar stream.
std::string drawn(std::FILE* stream) {
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    for (int c; (c = std::fgetc(stream)) != EOF;)
        text += static_cast<char>(c);
    return text;
}

TEST(ConversionWatch, DrawsOnlyWhenThePercentageChangesAndClearsItsLineAtTheEnd) {
    std::FILE* bar = std::tmpfile();
    ASSERT_NE(bar, nullptr);
    {
        ConversionWatch watch("importing part.igs", bar);
        int stop = 0;
        for (double fraction : {0.0, 0.001, 0.5, 0.504, 1.0})
            reportProgress(fraction, stop);
        EXPECT_EQ(stop, 0);
        const std::string shown = drawn(bar);
        EXPECT_EQ(shown.find("\rimporting part.igs [---"), 0u) << shown;
        std::size_t draws = 0;
        for (std::size_t at = shown.find('\r'); at != std::string::npos;
             at = shown.find('\r', at + 1))
            ++draws;
        EXPECT_EQ(draws, 3u) << shown; // 0%, 50% and 100%
        EXPECT_NE(shown.find("] 100%"), std::string::npos);
    }
    const std::string shown = drawn(bar);
    EXPECT_EQ(shown.back(), '\r');
    EXPECT_EQ(shown.find_last_not_of(" \r"), shown.rfind('%')) << "ends by blanking its line";
    std::fclose(bar);
}

TEST(ConversionWatch, WithoutABarStreamDrawsNothing) {
    ConversionWatch watch("exporting part.x_t", nullptr);
    int stop = 0;
    reportProgress(0.5, stop); // must not touch any stream
    EXPECT_EQ(stop, 0);
}

TEST(ConversionWatch, CtrlCAsksTheTranslatorToStopAndEndsWithTheWatch) {
    std::signal(SIGINT, SIG_DFL);
    {
        ConversionWatch watch("importing part.igs", nullptr);
        std::raise(SIGINT); // caught: the process goes on
        EXPECT_TRUE(watch.interrupted());
        int stop = 0;
        reportProgress(0.3, stop);
        EXPECT_EQ(stop, 1);
    }
    // The usual handling is back once the conversion is over.
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);

    // A new conversion starts without the old request.
    {
        ConversionWatch next("importing other.igs", nullptr);
        int stop = 0;
        reportProgress(0.0, stop);
        EXPECT_EQ(stop, 0);
        EXPECT_FALSE(next.interrupted());
    }
    // No Ctrl-C this time, so the watch's own handler was still in place:
    // only the watch's end can have put the usual handling back.
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);
}

TEST(ConversionWatch, KeepsIgnoringCtrlCWhenTheToolWasStartedThatWay) {
    std::signal(SIGINT, SIG_IGN);
    {
        ConversionWatch watch("importing part.igs", nullptr);
        std::raise(SIGINT);
        EXPECT_FALSE(watch.interrupted());
    }
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_IGN);
}

} // namespace
