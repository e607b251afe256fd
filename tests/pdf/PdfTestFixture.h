#pragma once

#include "app/AppSettings.h"
#include "pdf/PdfBuilder.h"
#include "tests/pdf/PdfFile.h"
#include "tests/pdf/TestPictures.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QList>

// Counts what the builder reports.
class CRecordingSink : public CPdfErrorSink {
public:
    void ShowLibraryError(const CPdfLibraryError& error) override { errors.append(error); }
    QList<CPdfLibraryError> errors;
};

class CPdfTest : public CTempHomeTest {
public:
    static inline const QByteArray kPrologue = "1 1 1 RG\n0.5 w\n10 10 m\n11 10 l\nS\n";

protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        settings.pageSize = kPaperA4;
        settings.fitToPage = 0;
    }
    // Saves the builder's document to `name` and loads it back.
    void SaveAndLoad(CPdfBuilder& builder, CPdfFile& file, const QString& name = "out.pdf") {
        ASSERT_TRUE(builder.Save(nullptr, PathIn(name)));
        ASSERT_TRUE(file.Load(PathIn(name))) << file.Error().toStdString();
    }

    // The content after the prologue stroke, with line breaks as spaces.
    static QByteArray Drawing(const QByteArray& content) {
        return content.mid(kPrologue.size()).simplified();
    }

    CAppSettings settings;
    CRecordingSink sink;
};

// Saves the builder's document to `path` as a PDF job writes its file while it makes it: the
// pictures placed so far first, then everything else.
inline bool SaveAsAJobWrites(CPdfBuilder& builder, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    builder.StreamTo(file.handle());
    return builder.WritePlacedPictures() && builder.Save(nullptr, file.handle());
}
