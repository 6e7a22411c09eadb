#include "TestFixture.h"

// The test classes of the folder, each in its own file.
int runStatisticsTests(int argc, char *argv[]);
int runSaturationFitTests(int argc, char *argv[]);
int runScatchardWindowTests(int argc, char *argv[]);
int runFitWindowTests(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    for (auto run : {runStatisticsTests, runSaturationFitTests, runScatchardWindowTests, runFitWindowTests})
        failed |= run(argc, argv);
    return failed;
}
