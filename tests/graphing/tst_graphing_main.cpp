#include "GraphingTests.h"

#include "TestFixture.h"

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    {
        PlotEngineTest test;
        failed += QTest::qExec(&test, argc, argv);
    }
    {
        GraphWindowTest test;
        failed += QTest::qExec(&test, argc, argv);
    }
    {
        OptionsWindowTest test;
        failed += QTest::qExec(&test, argc, argv);
    }
    return failed;
}
