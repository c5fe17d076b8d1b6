// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// No line of the C++ sources is wider than 100 columns, a column being a character, not a
// byte. Checked here rather than by clang-format, whose versions lay code out differently.
#include <QDirIterator>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLineWidth : public QObject
{
    Q_OBJECT

private slots:
    void cppLinesFit()
    {
        int files = 0;
        for (const QString &folder :
             {u"app"_s, u"bench"_s, u"board"_s, u"look"_s, u"phrases"_s, u"score"_s, u"tests"_s}) {
            QDirIterator found(u"" ACUTRIX_SOURCE_DIR "/"_s + folder, {u"*.cpp"_s, u"*.h"_s},
                               QDir::Files, QDirIterator::Subdirectories);
            while (found.hasNext()) {
                QFile file(found.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                ++files;
                int number = 0;
                for (const QByteArray &line : file.readAll().split('\n')) {
                    ++number;
                    const qsizetype columns = QString::fromUtf8(line).toUcs4().size();
                    QVERIFY2(columns <= 100,
                             qPrintable(u"%1:%2"_s.arg(file.fileName()).arg(number)));
                }
            }
        }
        QVERIFY(files > 40);
    }
};

QTEST_GUILESS_MAIN(TestLineWidth)
#include "tst_lineWidth.moc"
