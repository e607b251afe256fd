#include "pdf/screens/ProgressDialog.h"

#include "pdf/PdfJob.h"
#include "pdf/screens/PdfJobScreenDelegate.h"
#include "resources/ResourceIds.h"
#include "tests/pdf/screens/PdfScreenTest.h"
#include "ui/toolkit/ProgressCtrl.h"

#include <QRegularExpression>

namespace {

class ProgressDialogTest : public CPdfScreenTest {};

// Records the step label after every step the job reports.
class CRecordingDelegate : public CPdfJobScreenDelegate {
public:
    CRecordingDelegate(CProgressDialog& progress)
        : CPdfJobScreenDelegate(&progress, nullptr), m_progress(progress) {}
    void OnStep(int step, int total) override {
        CPdfJobScreenDelegate::OnStep(step, total);
        labels.append(m_progress.StepText());
        positions.push_back(m_progress.Bar()->GetPos());
    }
    QStringList labels;
    std::vector<int> positions;

private:
    CProgressDialog& m_progress;
};

TEST_F(ProgressDialogTest, OnePageCountsTenStepsAndTheLabelNeverPassesTen) {
    CProgressDialog progress(m_base.get());
    std::int64_t now = 0;
    progress.SetClock([&] { return now += 100; }); // every label is applied
    progress.ShowModeless();
    progress.SetRange(100, {});
    CRecordingDelegate delegate(progress);
    CPdfJobOptions options;
    options.outputPath = PathIn("one.pdf");
    const CPdfJobResult result =
        CPdfJob(options, delegate).Run({{Picture("page.jpg", 400, 600), kImageTypeJpeg, false}});
    progress.DestroyScreen();
    ASSERT_TRUE(result.Done());

    ASSERT_GE(delegate.labels.size(), 4);
    EXPECT_EQ(delegate.labels[0], "Step 1 of 10...");
    EXPECT_EQ(delegate.labels[1], "Step 2 of 10...");
    EXPECT_EQ(delegate.labels[2], "Step 3 of 10...");
    const QRegularExpression label("^Step (\\d+) of 10\\.\\.\\.$");
    int previous = 0;
    for (const QString& text : delegate.labels) {
        const auto match = label.match(text);
        ASSERT_TRUE(match.hasMatch()) << text.toStdString();
        const int step = match.captured(1).toInt();
        EXPECT_LE(step, 10);
        EXPECT_GE(step, previous);
        previous = step;
    }
    EXPECT_EQ(previous, 10); // a one-page PDF has more objects than the steps left
    EXPECT_EQ(delegate.positions.back(), 100);
    EXPECT_EQ(delegate.positions.front(), 10);
    // The picture went out with its page (one step); the save's objects outnumber the six
    // steps left.
    EXPECT_GT(delegate.ObjectsWritten(), 6);
}

TEST_F(ProgressDialogTest, StepTextsCloserThanFiftyMillisecondsAreDropped) {
    CProgressDialog progress(m_base.get());
    std::int64_t now = 1000;
    progress.SetClock([&] { return now; });
    progress.SetStepText("a");
    EXPECT_EQ(progress.StepText(), "a");
    now += 50;
    progress.SetStepText("b");
    EXPECT_EQ(progress.StepText(), "a");
    now += 1;
    progress.SetStepText("c");
    EXPECT_EQ(progress.StepText(), "c");

    progress.SetStatusText("working");
    EXPECT_EQ(progress.StatusText(), "working");
    progress.SetStatusEnabled(false);
    progress.SetStatusText("ignored");
    EXPECT_EQ(progress.StatusText(), "working");

    progress.SetRange(100, {});
    progress.SetPosition(7, 10);
    EXPECT_EQ(progress.Bar()->GetPos(), 70);
    progress.SetPosition(12, 10);
    EXPECT_EQ(progress.Bar()->GetPos(), 100);
}

TEST_F(ProgressDialogTest, CancelOnlySetsTheFlagAndTheSecondBarHides) {
    CProgressDialog progress(m_base.get());
    progress.ShowModeless();
    EXPECT_FALSE(progress.Control(ids::IDC_PROGRESS_SECOND_BAR)->isVisible());
    EXPECT_FALSE(progress.Control(ids::IDC_PROGRESS_SECOND_LABEL)->isVisible());
    EXPECT_LT(progress.Control(ids::IDC_PROGRESS_STATUS)->y(),
              progress.Control(ids::IDC_PROGRESS_SECOND_BAR)->y() +
                  progress.Control(ids::IDC_PROGRESS_SECOND_BAR)->height());
    EXPECT_FALSE(progress.IsCancelled());
    Press(&progress, ids::IDC_CANCEL);
    EXPECT_TRUE(progress.IsCancelled());
    EXPECT_TRUE(progress.IsRunning()); // still shown: the job removes it
    progress.DestroyScreen();
}

} // namespace
