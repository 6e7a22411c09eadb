#include "TestFixture.h"

// The test classes of the folder, each in its own file.
int runSimulationEngineTests(int argc, char *argv[]);
int runResultsFileTests(int argc, char *argv[]);
int runDynamicWizardTests(int argc, char *argv[]);
int runKineticsTests(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    for (auto run : {runSimulationEngineTests, runResultsFileTests, runDynamicWizardTests, runKineticsTests})
        failed |= run(argc, argv);
    return failed;
}
