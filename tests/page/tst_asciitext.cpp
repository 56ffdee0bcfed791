// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfiles.h"

#include "page/asciitext.h"

#include <QTest>

using namespace larkspan;

// UTF-8 to the ASCII that the page file holds: references for what lies above ASCII, the replacement character's
// for what is not UTF-8.
class tst_AsciiText : public QObject {
    Q_OBJECT

private slots:
    void encodeAsAscii_data()
    {
        QTest::addColumn<QByteArray>("document"); // UTF-8
        QTest::addColumn<QByteArray>("ascii");

        QTest::newRow("ASCII with CR LF passes unchanged") << QByteArray("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>")
                                                           << QByteArray("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>");
        QTest::newRow("an empty document stays empty") << QByteArray() << QByteArray();
        QTest::newRow("lone CR and LF unchanged") << QByteArray("a\rb\nc") << QByteArray("a\rb\nc");
        QTest::newRow("e acute is a reference") << QByteArray("Caf\xC3\xA9") << QByteArray("Caf&#233;");
        QTest::newRow("euro sign is a reference") << QByteArray("5 \xE2\x82\xAC") << QByteArray("5 &#8364;");
        QTest::newRow("curly quotes and dash")
            << QByteArray("\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x94") << QByteArray("&#8220;quoted&#8221; &#8212;");
        QTest::newRow("a CJK character becomes a reference")
            << QByteArray("<P>\xE6\x97\xA5</P>") << QByteArray("<P>&#26085;</P>");
        QTest::newRow("an emoji becomes one reference")
            << QByteArray("smile \xF0\x9F\x98\x80!") << QByteArray("smile &#128512;!");
        QTest::newRow("the first and the last code point above ASCII")
            << QByteArray("\xC2\x80|\xF4\x8F\xBF\xBF") << QByteArray("&#128;|&#1114111;");
        QTest::newRow("an encoded surrogate and an overlong form are not characters")
            << QByteArray("\xED\xA0\x80\xC0\xAF") << QByteArray("&#65533;&#65533;&#65533;&#65533;&#65533;");
        QTest::newRow("a stray byte becomes the replacement character") << QByteArray("a\xFF"
                                                                                      "b")
                                                                        << QByteArray("a&#65533;b");
        QTest::newRow("a cut-off sequence at the end")
            << QByteArray("end\xE6\x97") << QByteArray("end&#65533;&#65533;");
        QTest::newRow("a cut-off sequence before ASCII") << QByteArray("\xC3\xA9\xE6\x97"
                                                                       "a")
                                                         << QByteArray("&#233;&#65533;&#65533;a");
        QTest::newRow("long text of references and ASCII")
            << QByteArray("\xE6\x97\xA5\xE2\x82\xAC\xC3\xA9 ab").repeated(20000) + "<BR>"
            << QByteArray("&#26085;&#8364;&#233; ab").repeated(20000) + "<BR>";
    }

    void encodeAsAscii()
    {
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, ascii);

        const std::string encoded = EncodeAsAscii(std::string_view(document.constData(), document.size()));

        QCOMPARE(visible(QByteArray::fromStdString(encoded)), visible(ascii));
    }
};

QTEST_APPLESS_MAIN(tst_AsciiText)
#include "tst_asciitext.moc"
