#include "TestMain.h"

#include "TestFixture.h"

#include <vector>

namespace TestMain {
namespace {

std::vector<Factory> &factories()
{
    static std::vector<Factory> all;
    return all;
}

} // namespace

bool add(Factory factory)
{
    factories().push_back(factory);
    return true;
}

} // namespace TestMain

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    int failed = 0;
    for (TestMain::Factory factory : TestMain::factories()) {
        // One test object at a time: each builds and tears down its own windows.
        const std::unique_ptr<QObject> test = factory();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
