// Runs the Jabber tests with a Qt core application and one Jabber server of their own for them all.
#include "tests/jabber/jabber_server.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace duel::testing {

ProsodyServer* theServer = nullptr;

namespace {

class ServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        server_ = std::make_unique<ProsodyServer>(
            std::vector<std::string>{"alice:секрет-алисы", "bob:bobs secret", "carol:carol", "dave:dave"});
        ASSERT_TRUE(server_->Start()) << server_->why();
        theServer = server_.get();
    }
    void TearDown() override {
        theServer = nullptr;
        server_.reset();
    }

private:
    std::unique_ptr<ProsodyServer> server_;
};

}  // namespace
}  // namespace duel::testing

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new duel::testing::ServerEnvironment);
    return RUN_ALL_TESTS();
}
