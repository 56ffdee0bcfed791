// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfiles.h"

#include "files/textimport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace larkspan;

// A text file on its way into the page text, without the window: how its bytes are decoded and its lines ended.
class tst_TextImport : public QObject {
    Q_OBJECT

private slots:
    void import_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected"); // the page text it becomes

        QTest::newRow("a, b, c with CR LF") << QByteArray("a\r\nb\r\nc\r\n") << "a<BR>\r\nb<BR>\r\nc<BR>\r\n";
        QTest::newRow("a, b, c with CR alone") << QByteArray("a\rb\rc\r") << "a<BR>\r\nb<BR>\r\nc<BR>\r\n";
        QTest::newRow("last line without line end") << QByteArray("a\r\nb") << "a<BR>\r\nb<BR>\r\n";
        QTest::newRow("LF ends a line too")
            << QByteArray("a\nb\r\nc\n\nd") << "a<BR>\r\nb<BR>\r\nc<BR>\r\n<BR>\r\nd<BR>\r\n";
        QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << "a<BR>\r\n<BR>\r\nb<BR>\r\n";
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << "a<BR>\r\n<BR>\r\nb<BR>\r\n";
        QTest::newRow("empty file empties the text") << QByteArray() << QString();
        QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC\r\n") << QStringLiteral("café €<BR>\r\n");
        QTest::newRow("UTF-8 byte order mark dropped") << QByteArray("\xEF\xBB\xBFhi") << "hi<BR>\r\n";
        QTest::newRow("and before Windows-1252") << QByteArray("\xEF\xBB\xBF\xE9") << QStringLiteral("é<BR>\r\n");
        QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFEh\0\xE9\0\n\0", 8) << QStringLiteral("hé<BR>\r\n");
        QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF\0h\x20\xAC", 6) << QStringLiteral("h€<BR>\r\n");
        QTest::newRow("UTF-16 ending in half a character shows U+FFFD for it")
            << QByteArray("\xFF\xFEh\0i", 5) << QStringLiteral("h\uFFFD<BR>\r\n");
        QTest::newRow("a second byte order mark is a character")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFhi") << QStringLiteral("\uFEFFhi<BR>\r\n");
        QTest::newRow("Windows-1252") << QByteArray("caf\xE9 \x80 \x93x\x94\r\n")
                                      << QStringLiteral("café € “x”<BR>\r\n");
        QTest::newRow("Windows-1252 undefined byte kept as its control character")
            << QByteArray("a\x81z") << QStringLiteral("a\u0081z<BR>\r\n");
        QTest::newRow("UTF-8 cut off at the end is Windows-1252")
            << QByteArray("caf\xC3") << QStringLiteral("cafÃ<BR>\r\n");
    }

    void import()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);

        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("import.txt"), file);
        QVERIFY(!path.isEmpty());
        TextImport import(path);
        QCOMPARE(import.failure(), TextImport::Failure::None);

        QVERIFY(import.read());

        QCOMPARE(visible(import.pageText()), visible(expected));
    }
};

QTEST_GUILESS_MAIN(tst_TextImport)
#include "tst_textimport.moc"
