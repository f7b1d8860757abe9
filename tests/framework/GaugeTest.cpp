// Gauge limits: MinValue <= Progress <= MaxValue holds whatever is set, the
// percentage never overflows, and the bar is empty at the minimum and full
// at the maximum, to the pixel.

#include "tests/HeadlessApp.h"

#include <climits>

#include "framework/stdctrls/TGauge.h"
#include "platform/headless/THeadlessWindow.h"

namespace {
class GaugeLimits : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Form->SetColor(clYellow); // around the gauge, to catch overdraw
        G = Make<TGauge>(20, 20, 12, 6);
        G->SetForeColor(clNavy);
        G->SetBackColor(clWhite);
        Show();
    }
    uint32_t At(int x, int y) {
        Pump();
        const TPoint p = InWindow(G, x, y);
        return static_cast<THeadlessWindow*>(Window())->Picture().Pixel(p.X, p.Y);
    }
    // How many columns of the gauge's inside are painted in ForeColor, every
    // row alike; -1 when the rows disagree or a pixel is neither colour.
    int FilledColumns() {
        const uint32_t fore = ColorToRGB(clNavy), back = ColorToRGB(clWhite);
        int filled = -1;
        for (int y = 1; y < G->Height() - 1; ++y) {
            int row = 0;
            for (int x = 1; x < G->Width() - 1; ++x) {
                const uint32_t p = At(x, y);
                if (p != fore && p != back) return -1;
                row += p == fore ? 1 : 0;
            }
            if (filled >= 0 && row != filled) return -1;
            filled = row;
        }
        return filled;
    }
    // Pixels of the gauge's inside in colour c.
    int Count(TColor c) {
        int n = 0;
        for (int y = 1; y < G->Height() - 1; ++y)
            for (int x = 1; x < G->Width() - 1; ++x)
                n += At(x, y) == static_cast<uint32_t>(ColorToRGB(c)) ? 1 : 0;
        return n;
    }
    // The frame is black, and the form around it untouched.
    ::testing::AssertionResult FramedAndContained() {
        const int w = G->Width(), h = G->Height();
        for (int y = -1; y <= h; ++y)
            for (int x = -1; x <= w; ++x) {
                const bool outside = x < 0 || y < 0 || x >= w || y >= h;
                const bool frame = !outside && (x == 0 || y == 0 || x == w - 1 || y == h - 1);
                const uint32_t want = ColorToRGB(outside ? clYellow : clBlack);
                if ((outside || frame) && At(x, y) != want)
                    return ::testing::AssertionFailure()
                           << "(" << x << "," << y << ") is " << std::hex << At(x, y);
            }
        return ::testing::AssertionSuccess();
    }

    TGauge* G = nullptr;
};
} // namespace

TEST_F(GaugeLimits, ProgressStaysBetweenMinAndMax) {
    struct TStep {
        char Set; // 'p' Progress, '<' MinValue, '>' MaxValue
        int Value;
        int Min, Max, Progress;
    };
    const TStep steps[] = {
        {'p', 150, 0, 100, 100},   {'p', -5, 0, 100, 0},     {'p', 40, 0, 100, 40},
        {'<', 60, 60, 100, 60},    {'>', 50, 60, 60, 60},    {'>', 200, 60, 200, 60},
        {'p', 199, 60, 200, 199},  {'>', 120, 60, 120, 120}, {'<', 500, 120, 120, 120},
        {'<', -10, -10, 120, 120},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE(std::string(1, s.Set) + std::to_string(s.Value));
        if (s.Set == 'p')
            G->SetProgress(s.Value);
        else if (s.Set == '<')
            G->SetMinValue(s.Value);
        else
            G->SetMaxValue(s.Value);
        EXPECT_EQ(G->MinValue(), s.Min);
        EXPECT_EQ(G->MaxValue(), s.Max);
        EXPECT_EQ(G->Progress(), s.Progress);
    }
}

TEST_F(GaugeLimits, PercentTruncatesAndTheWidestRangeDoesNotOverflow) {
    G->SetMaxValue(3);
    G->SetProgress(1);
    EXPECT_EQ(G->PercentDone(), 33);
    G->SetProgress(2);
    EXPECT_EQ(G->GaugeText(), "66%");
    G->SetMinValue(INT_MIN);
    G->SetMaxValue(INT_MAX);
    G->SetProgress(INT_MAX);
    EXPECT_EQ(G->PercentDone(), 100);
    G->SetShowText(false);
    EXPECT_EQ(FilledColumns(), 10);
    G->SetProgress(0); // 2^31 of 2^32 - 1
    EXPECT_EQ(G->PercentDone(), 50);
    EXPECT_EQ(FilledColumns(), 5);
    G->SetProgress(INT_MIN);
    EXPECT_EQ(G->PercentDone(), 0);
    EXPECT_EQ(FilledColumns(), 0);
    EXPECT_TRUE(FramedAndContained());
}

TEST_F(GaugeLimits, EmptyAtTheMinimumFullAtTheMaximum) {
    G->SetShowText(false);
    struct TCase {
        int Min, Max, Progress, Columns;
    };
    const TCase cases[] = {
        {0, 100, 0, 0},  {0, 100, 100, 10},   {0, 100, 99, 9},    {0, 100, 9, 0},
        {0, 100, 10, 1}, {-50, -10, -10, 10}, {-50, -10, -30, 5}, {7, 7, 7, 0}, // an empty range
    };
    for (const TCase& c : cases) {
        G->SetMinValue(INT_MIN);
        G->SetMaxValue(c.Max);
        G->SetMinValue(c.Min);
        G->SetProgress(c.Progress);
        EXPECT_EQ(FilledColumns(), c.Columns) << c.Min << ".." << c.Max << " at " << c.Progress;
        EXPECT_TRUE(FramedAndContained());
    }
    // With the text on, ForeColor writes on white when empty, white on
    // ForeColor when full; nothing else is painted.
    G->SetBounds(20, 20, 40, 17);
    G->SetShowText(true);
    G->SetMinValue(0);
    G->SetMaxValue(100);
    const int inside = 38 * 15;
    G->SetProgress(0);
    const int ink = Count(clNavy);
    EXPECT_GT(ink, 0);
    EXPECT_EQ(Count(clWhite), inside - ink);
    G->SetProgress(100);
    EXPECT_GT(Count(clWhite), 0);
    EXPECT_EQ(Count(clNavy), inside - Count(clWhite));
    EXPECT_TRUE(FramedAndContained());
}
