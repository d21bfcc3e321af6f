#include "ui/ServiziFinestra.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace vc {
namespace {

// The CAD program is the user's: the command of VELCORA_CAD gets the drawing as its last word.
TEST(ServiziFinestra, ProgrammaCadDellUtente) {
    QTemporaryDir tmp;
    const QString script = tmp.filePath(QStringLiteral("cad.sh"));
    const QString registro = tmp.filePath(QStringLiteral("aperto.txt"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s' \"$2\" > \"$1\"\n");
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("VELCORA_CAD", (script + QStringLiteral(" \"") + registro + QStringLiteral("\"")).toUtf8());
    ServiziQt servizi(nullptr);
    const std::filesystem::path disegno = tmp.filePath(QStringLiteral("trave con spazi.dxf")).toStdString();
    EXPECT_TRUE(servizi.ApreDisegnoCad(disegno));
    qunsetenv("VELCORA_CAD");
    QFile letto(registro);
    for (int i = 0; i < 100 && !letto.exists(); ++i) QThread::msleep(50);
    ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
    EXPECT_EQ(letto.readAll().toStdString(), disegno.string());
}

} // namespace
} // namespace vc
