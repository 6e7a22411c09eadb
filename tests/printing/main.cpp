#include "tst_printing.h"

// One program for the folder, running each test class in turn.
int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    {
        PrintTextTest test;
        failed |= QTest::qExec(&test, argc, argv);
    }
    {
        PrintReportTest test;
        failed |= QTest::qExec(&test, argc, argv);
    }
    return failed;
}
