#include "TestMain.h"

#include "exchange/PairsReader.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTest>

namespace {

PairsReader::Result readText(QByteArray bytes, std::size_t maxPairs = 0)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return PairsReader::Read(buffer, maxPairs);
}

// "bound ratio line; ..." of what was read.
QString pairsOf(const PairsReader::Result &result)
{
    QStringList pairs;
    for (const PairsReader::Pair &p : result.pairs)
        pairs << QStringLiteral("%1 %2 %3").arg(p.bound).arg(p.ratio).arg(p.line);
    return pairs.join(QStringLiteral("; "));
}

} // namespace

class PairsReaderTest : public QObject
{
    Q_OBJECT

private slots:
    // The forms the window and the command line once read differently:
    // each line split by its own separator, blanks, decimal commas, a
    // byte-order mark anywhere, bare CR line ends, headers and notes.
    void filesOfEveryFormRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("pairs");
        QTest::newRow("csv with header") << QByteArray("Bound,Bound/Free\r\n1,0.5\r\n2,0.25\r\n")
                                         << "1 0.5 2; 2 0.25 3";
        QTest::newRow("tab header, comma data") << QByteArray("Bound\tB/F\n1,0.5\n2\t0.25\n") << "1 0.5 2; 2 0.25 3";
        QTest::newRow("blanks") << QByteArray("  1   0.5\n2 \t 0.25  \n") << "1 0.5 1; 2 0.25 2";
        QTest::newRow("decimal commas") << QByteArray("1,5;2,5\n1,5 2,5\n\"1,5\",\"2,5\"\n")
                                        << "1.5 2.5 1; 1.5 2.5 2; 1.5 2.5 3";
        QTest::newRow("bare CR") << QByteArray("1,2\r3,4\r\r5,6") << "1 2 1; 3 4 2; 5 6 4";
        QTest::newRow("byte-order marks") << QByteArray("\xef\xbb\xbf"
                                                        "Bound,B/F\n1,2\n\xef\xbb\xbf"
                                                        "3,4\n")
                                          << "1 2 2; 3 4 3";
        QTest::newRow("comments, notes, empty cells")
            << QByteArray("# run 4\n\nBound,B/F\n1,2,,\nmean,2\n-3e-2,+.5\n") << "1 2 4; -0.03 0.5 6";
    }

    void filesOfEveryFormRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, pairs);
        const PairsReader::Result result = readText(file);
        QCOMPARE(int(result.stop), int(PairsReader::Stop::EndOfData));
        QCOMPARE(pairsOf(result), pairs);
    }

    // A line that starts like a number is data: when it is not two
    // numbers it is refused with its number, never taken for a header.
    void malformedDataLinesAreRefusedWithTheirNumber_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        using PairsReader::Stop;
        QTest::newRow("malformed first line")
            << QByteArray("1x,2\n3,4\n") << int(Stop::NotANumber) << 1 << "'1x' is not a number";
        QTest::newRow("three fields") << QByteArray("B,R\n1,2\n1,2,3\n") << int(Stop::NotTwoFields) << 3
                                      << "two numbers are needed (Bound, Bound/Free), found 3 fields";
        QTest::newRow("one field") << QByteArray("1\n") << int(Stop::NotTwoFields) << 1
                                   << "two numbers are needed (Bound, Bound/Free), found 1 field";
        QTest::newRow("text second") << QByteArray("1,2\r\n2,x\r\n") << int(Stop::NotANumber) << 2
                                     << "'x' is not a number";
        QTest::newRow("out of range") << QByteArray("1,2\n1e999,1\n") << int(Stop::OutOfRange) << 2
                                      << "'1e999' is out of range";
        QTest::newRow("two decimal points")
            << QByteArray("1.5.5;2\n") << int(Stop::NotANumber) << 1 << "'1.5.5' is not a number";
    }

    void malformedDataLinesAreRefusedWithTheirNumber()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, stop);
        QFETCH(int, line);
        QFETCH(QString, text);
        const PairsReader::Result result = readText(file);
        QCOMPARE(int(result.stop), stop);
        QCOMPARE(result.line, (long long)line);
        QCOMPARE(PairsReader::StopText(result), text);
    }

    // Reading stops at the first row past the bound, and at a line past
    // 1 MB: a huge file is neither held nor read whole.
    void readingIsBounded()
    {
        QByteArray rows = "Bound,B/F\n";
        for (int i = 1; i <= 21; ++i)
            rows += QByteArray::number(i) + ",0.5\n";
        const PairsReader::Result limited = readText(rows + "1,x\n", 20); // never reached
        QCOMPARE(int(limited.stop), int(PairsReader::Stop::TooManyRows));
        QCOMPARE(limited.pairs.size(), std::size_t(20));
        QCOMPARE(limited.line, 22LL);
        QCOMPARE(int(readText(rows, 21).stop), int(PairsReader::Stop::EndOfData));

        const PairsReader::Result tooLong = readText("1,2\n" + QByteArray(PairsReader::MaxLineLength + 1, '9'));
        QCOMPARE(int(tooLong.stop), int(PairsReader::Stop::LineTooLong));
        QCOMPARE(tooLong.line, 2LL);
        QCOMPARE(int(readText("1,2\n" + QByteArray(PairsReader::MaxLineLength, '9') + ",1\n").stop),
                 int(PairsReader::Stop::LineTooLong));
    }
};

VORNISH_TEST(PairsReaderTest)

#include "tst_pairs_reader.moc"
