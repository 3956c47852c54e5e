#include "files/PreviewLoader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>

#include <gtest/gtest.h>

namespace {

// A reader that holds the first request until the test lets it go, so later
// requests arrive while it runs.
struct HeldReader
{
    QSemaphore release;
    QStringList readPaths;
    QMutex mutex;

    LoadedPicture operator()(const QString &path)
    {
        {
            QMutexLocker lock(&mutex);
            readPaths << path;
        }
        if (path == "first")
            release.acquire();
        LoadedPicture picture;
        picture.outcome = LoadedPicture::Outcome::Whole;
        picture.image = QImage(path.size(), 1, QImage::Format_RGB32);
        return picture;
    }
};

template <typename Done> void waitFor(Done done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}

TEST(PreviewLoader, OnlyTheNewestRequestIsShownAndIntermediateOnesAreNeverRead)
{
    HeldReader reader;
    PreviewLoader loader(nullptr, [&](const QString &path) { return reader(path); });
    QStringList shown;
    QObject::connect(&loader, &PreviewLoader::ready,
        [&](const QString &path, const LoadedPicture &) { shown << path; });
    loader.request("first");
    loader.request("second");
    loader.request("third");
    reader.release.release();
    waitFor([&] { return !shown.isEmpty() && !loader.isBusy(); });
    EXPECT_EQ(shown, QStringList({ "third" }));
    // "second" was replaced while "first" ran: holding an arrow key reads at
    // most one picture beyond the one shown.
    EXPECT_EQ(reader.readPaths, QStringList({ "first", "third" }));
}

TEST(PreviewLoader, ACancelledRequestDeliversNothingAndTheLoaderDiesCleanlyMidRead)
{
    HeldReader reader;
    QStringList shown;
    {
        PreviewLoader loader(nullptr, [&](const QString &path) { return reader(path); });
        QObject::connect(&loader, &PreviewLoader::ready,
            [&](const QString &path, const LoadedPicture &) { shown << path; });
        loader.request("first");
        loader.cancel();
        reader.release.release();
        waitFor([&] { return !loader.isBusy(); });
        loader.request("first");
        // Destroyed while the read is held: it waits for the read and shows nothing.
        reader.release.release();
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown.isEmpty());
}
