#include "TestFixture.h"

// The test classes of the folder, each in its own file.
int runShellTests(int argc, char *argv[]);
int runHelpAboutTests(int argc, char *argv[]);
int runWindowFitTests(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    for (auto run : {runShellTests, runHelpAboutTests, runWindowFitTests})
        failed |= run(argc, argv);
    return failed;
}
