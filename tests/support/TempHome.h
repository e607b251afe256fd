#pragma once

// A fresh QUILLMARK_HOME for each test: the registry, log and session files of the code
// under test go into a temporary folder that is removed afterwards. The registry and the
// settings record start empty, as in a fresh process.

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class CTempHomeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Home() const { return m_dir.path(); }
    QString PathIn(const QString& name) const { return m_dir.path() + "/" + name; }
    QByteArray ReadFile(const QString& path) const;
    void WriteFile(const QString& path, const QByteArray& data) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    bool m_hadHome = false;
    QByteArray m_oldCache;
    bool m_hadCache = false;
};
