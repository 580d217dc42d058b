// Test entry point: the gateway's tests need a Qt event loop and many sockets.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QCoreApplication>

int main(int argc, char** argv) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
