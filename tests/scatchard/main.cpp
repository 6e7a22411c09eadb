#include "tst_scatchard.h"

// One program for the folder, running each test class in turn.
int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    {
        StatisticsTest test;
        failed |= QTest::qExec(&test, argc, argv);
    }
    {
        EditableGridTest test;
        failed |= QTest::qExec(&test, argc, argv);
    }
    {
        ScatchardWindowTest test;
        failed |= QTest::qExec(&test, argc, argv);
    }
    {
        ScatchardGraphTest test;
        failed |= QTest::qExec(&test, argc, argv);
    }
    return failed;
}
