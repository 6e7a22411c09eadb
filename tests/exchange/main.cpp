#include "TestFixture.h"

// The test classes of the folder, each in its own file.
int runExchangeFileTests(int argc, char *argv[]);
int runExchangeCommandTests(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    for (auto run : {runExchangeFileTests, runExchangeCommandTests})
        failed |= run(argc, argv);
    return failed;
}
