#pragma once

#include <QObject>

#include <memory>

// The one main() of the test programs (TestMain.cpp): it prepares the
// shared fixture, then runs every test class of the program, in the order
// their files were linked. A test file registers its class with
// VORNISH_TEST(Class) after the class.
namespace TestMain {

using Factory = std::unique_ptr<QObject> (*)();

bool add(Factory factory);

} // namespace TestMain

#define VORNISH_TEST(TestClass)                                                                                        \
    namespace {                                                                                                        \
    const bool registered##TestClass = TestMain::add(                                                                  \
        []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); });                                   \
    }
