// Paths handed to the window from outside: its command line, a second start of the program,
// and files dropped on the Delete-with-wiping lists. They are queued, never wiped before the
// user's Start and its question.

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDropEvent>
#include <QFile>
#include <QLocalSocket>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <thread>

#include "MainFormFixture.h"
#include "core/HandOverFrames.h"
#include "platform/Folders.h"
#include "platform/Processes.h"
#include "support/DropPrivileges.h"
#include "ui/TSingleInstance.h"
#include "ui/TWindowRequest.h"
#include "ui/pages/TDeletePage.h"

namespace {

// Drops a "text/uri-list" holding the bytes on a list, as a file manager would.
void dropUris(MainFormFixture& f, const char* list, const QByteArray& uris) {
  QWidget* viewport = f.find<QTreeWidget>(list)->viewport();
  QMimeData data;
  data.setData(QStringLiteral("text/uri-list"), uris);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  QVERIFY(enter.isAccepted());
  QCOMPARE(enter.dropAction(), Qt::CopyAction);  // the files stay where they are
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
  QVERIFY(drop.isAccepted());
  QCoreApplication::processEvents();  // the drop is handled once it has ended
}

// A local socket address for the path.
sockaddr_un socketAddress(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  return address;
}

// In a child process become the user "nobody": `steps` runs there (plain system calls only) and
// its result is the child's exit status. The parent handles Qt's events until the child ends,
// and gets that status (-1 when it did not end in 30 seconds).
template <typename Steps>
int asAnotherUser(Steps steps) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (!DropToNobody()) ::_exit(10);
    ::_exit(steps());
  }
  int status = 0;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (::waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > giveUp) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return -1;
    }
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads what comes on the descriptor for up to the time given; -1 when nothing could be read.
std::string readFor(int fd, int milliseconds) {
  std::string got;
  pollfd in{fd, POLLIN, 0};
  char buffer[4096];
  while (::poll(&in, 1, milliseconds) > 0) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    got.append(buffer, std::size_t(n));
  }
  return got;
}

QByteArray fileUrl(const std::string& path) {
  return QByteArrayLiteral("file://") +
         QByteArray(path.data(), qsizetype(path.size())).toPercentEncoding("/");
}

}  // namespace

class HandedPathsTest : public QObject {
  Q_OBJECT

 private slots:
  void argumentsAndRequestsKeepTheirBytes();
  void commandLinePathsAreQueuedAndAskedAboutBeforeAnyWipe();
  void dropsOnEitherListGoToTheirOwnListAndOtherSchemesAreRefused();
  void nothingIsAddedToARunningList();
  void aSecondStartHandsItsPathsToTheFirst();
  void aWindowListeningIsNeverTakenFrom();
  void theChannelTrustsOnlyItsOwnUser();
  void theChannelLiesWhereOnlyTheUserMayEnter();
  void onlyTheFramesAStartWritesAreTaken();
  void qtIsGivenNoneOfTheArguments();
};

void HandedPathsTest::aWindowListeningIsNeverTakenFrom() {
  TestFolder folder;
  const std::string runtime = folder.makeFolder("runtime");
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  const QString channel = QString::fromStdString(runtime + "/ferrovane-window");
  std::vector<TWindowRequest> first;
  auto running = std::make_unique<TSingleInstance>(channel);
  QVERIFY(running->Listen());
  running->SetHandler([&first](const TWindowRequest& request) { first.push_back(request); });
  // A start at the same moment, past its own hand-over: it does not take the channel.
  TSingleInstance late(channel);
  std::vector<TWindowRequest> second;
  late.SetHandler([&second](const TWindowRequest& request) { second.push_back(request); });
  QVERIFY(!late.Listen());
  // Later starts still reach the first window. (Handed over from another thread's point of
  // view: this thread must keep serving the channel while the request waits for its answer.)
  const TWindowRequest request{{"/tmp/x"}, "/tmp/", false};
  bool taken = false;
  std::thread sender([&] { taken = TSingleInstance::HandOver(channel, request); });
  QTRY_COMPARE(first.size(), std::size_t{1});
  sender.join();
  QVERIFY(taken);
  QVERIFY(second.empty());
  // A channel left behind by a window that has ended is taken over.
  running.reset();
  folder.write("runtime/ferrovane-window", "");  // a leftover that nobody answers on
  TSingleInstance next(channel);
  QVERIFY(next.Listen());
}

void HandedPathsTest::argumentsAndRequestsKeepTheirBytes() {
  const std::string odd = "caf\xe9\xff";
  TWindowArguments parsed =
      ParseWindowArguments({"--free-space", odd, "", "--", "--free-space", "-x"}, "/base/");
  QVERIFY(parsed.request);
  QCOMPARE(parsed.request->paths, (std::vector<std::string>{odd, "--free-space", "-x"}));
  QVERIFY(parsed.request->freeSpacePage);
  QCOMPARE(parsed.request->base, std::string("/base/"));
  // An option the window does not know is an error, not a file to queue.
  parsed = ParseWindowArguments({"--wipe-now", "/tmp/x"}, "/base/");
  QVERIFY(!parsed.request);
  QVERIFY(parsed.error.find("--wipe-now") != std::string::npos);

  // Through the channel and back unchanged; cut short or foreign, it is no request.
  const std::string bytes = ParseWindowArguments({odd, "/a b"}, "/w/").request->Encode();
  QCOMPARE(TWindowRequest::Decode(bytes),
           std::optional(TWindowRequest{{odd, "/a b"}, "/w/", false}));
  QCOMPARE(TWindowRequest::Decode(bytes.substr(0, bytes.size() - 1)), std::nullopt);
  QCOMPARE(TWindowRequest::Decode("GET / HTTP/1.0\r\n"), std::nullopt);
  QCOMPARE(TWindowRequest::Decode(std::string("ferrovane-window-request-1\0X\0/\0", 31)),
           std::nullopt);
}

void HandedPathsTest::commandLinePathsAreQueuedAndAskedAboutBeforeAnyWipe() {
  MainFormFixture f;
  // The settings do not ask before a Start; paths from outside are asked about all the same.
  f.withCatalogue(false);
  const std::string odd = f.folder.write("caf\xe9 \xff.bin", "x");
  f.folder.write("work/notes.txt", "y");
  const std::string folder = f.folder.makeFolder("work/tree");
  std::vector<std::string> ran;
  f.setRunner(fakeRun([&](TWipeEngine& engine) { ran.push_back(engine.Name); }));

  // A link to a folder is queued as a file: the link goes, its target is not walked.
  QVERIFY(
      QFile::link(QString::fromStdString(folder), QString::fromStdString(f.folder / "work/link")));

  // Relative paths are taken from the folder the program was started in; a device is no file.
  f.form().TakeRequest(
      TWindowRequest{{odd, "notes.txt", "tree/", "link", f.folder / "missing", "/dev/null"},
                     f.folder / "work/",
                     false});
  QCOMPARE(f.itemPaths(f.files()),
           (std::vector<std::string>{odd, f.folder / "work/notes.txt", f.folder / "work/link"}));
  QCOMPARE(f.itemPaths(f.folders()), std::vector<std::string>{f.folder / "work/tree"});
  QCOMPARE(f.rowPaths("lvFiles"), f.itemPaths(f.files()));
  QCOMPARE(f.rowPaths("lvFolders"), f.itemPaths(f.folders()));
  QCOMPARE(f.find<QTabWidget>("MainPage")->currentWidget(), f.find<TDeletePage>("tabDelete"));
  QVERIFY(f.find<QPushButton>("btnStartShredFiles")->isEnabled());
  // The missing path is named with the system's reason; nothing was run.
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
  QVERIFY(f.prompts.lastMessage().details.contains(QStringLiteral("missing: No such file")));
  QVERIFY(
      f.prompts.lastMessage().details.contains(QStringLiteral("/dev/null: not a file or folder")));
  QVERIFY(ran.empty());
  QVERIFY(readFileBytes(odd) == "x");

  // No to the question: nothing is wiped and the jobs stay queued.
  f.prompts.confirmations = {false};
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  QCOMPARE(f.prompts.lastMessage().text,
           QString::fromLocal8Bit("Wipe 3 files (caf\xe9 \xff.bin, notes.txt and link)? This "
                                  "cannot be undone."));
  QVERIFY(!f.prompts.lastMessage().offeredBox);
  QVERIFY(ran.empty());
  QCOMPARE(f.files().Items.size(), std::size_t{3});
  // Yes: the list runs; the other list, also handed over, still asks.
  f.prompts.confirmations = {true};
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  QCOMPARE(ran, std::vector<std::string>{"WipeFiles"});
  const std::size_t shown = f.prompts.messages.size();
  f.prompts.confirmations = {false};
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFolders"), Qt::LeftButton);
  QCOMPARE(f.prompts.messages.size(), shown + 1);
  QCOMPARE(ran, std::vector<std::string>{"WipeFiles"});

  // Files added in the window itself afterwards follow the settings again: no question.
  f.prompts.openFiles.push_back({odd});
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  QCOMPARE(ran, (std::vector<std::string>{"WipeFiles", "WipeFiles"}));
  QCOMPARE(f.prompts.messages.size(), shown + 2);  // only the report of the run
  QVERIFY(f.prompts.unexpected.empty());

  // The free-space action shows its page.
  f.form().TakeRequest(TWindowRequest{{}, {}, true});
  QCOMPARE(f.find<QTabWidget>("MainPage")->currentWidget()->objectName(),
           QStringLiteral("tabWipeFree"));
}

void HandedPathsTest::dropsOnEitherListGoToTheirOwnListAndOtherSchemesAreRefused() {
  for (const char* list : {"lvFiles", "lvFolders"}) {
    MainFormFixture f;
    const std::string odd = f.folder.write("na\xefve \xff.txt", "x");
    const std::string folder = f.folder.makeFolder("photos");
    dropUris(f, list,
             fileUrl(odd) + "\r\n" + fileUrl(folder) + "/\r\nhttp://example.org/page.html\r\n");
    QCOMPARE(f.itemPaths(f.files()), std::vector<std::string>{odd});
    QCOMPARE(f.itemPaths(f.folders()), std::vector<std::string>{f.folder / "photos"});
    QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{odd});
    QCOMPARE(f.rowPaths("lvFolders"), std::vector<std::string>{f.folder / "photos"});
    QCOMPARE(f.files().Items[0]->Kind, wkFile);
    QCOMPARE(f.folders().Items[0]->Kind, wkFolder);
    QCOMPARE(f.prompts.messages.size(), std::size_t{1});
    QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
    QVERIFY(
        f.prompts.lastMessage().details.contains(QStringLiteral("http://example.org/page.html")));
    QVERIFY(readFileBytes(odd) == "x");
  }
  // Something that is no list of URLs is not taken at all.
  MainFormFixture f;
  QMimeData text;
  text.setText(QStringLiteral("/etc/passwd"));
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f.find<QTreeWidget>("lvFiles")->viewport(), &enter);
  QVERIFY(!enter.isAccepted());
}

void HandedPathsTest::nothingIsAddedToARunningList() {
  MainFormFixture f;
  f.withCatalogue();
  const std::string first = f.folder.write("first", std::string(1 << 20, 'a'));
  const std::string later = f.folder.write("later", "y");
  f.prompts.openFiles.push_back({first});
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  std::size_t jobsDuringRun = 0;
  // A second start hands a file over while the files list runs: it waits for the run's end.
  QTimer::singleShot(0, [&] {
    if (!f.files().Running()) return;
    f.form().TakeRequest(TWindowRequest{{later}, {}, false});
    jobsDuringRun = f.files().Items.size();
  });
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  QCOMPARE(jobsDuringRun, std::size_t{1});
  QVERIFY(!pathExists(first));
  QCOMPARE(readFileBytes(later), std::string("y"));
  // Then it joins the list, unwiped, for a Start of its own.
  QTRY_COMPARE(MainFormFixture::itemPaths(f.files()), std::vector<std::string>{later});
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{later});
  QCOMPARE(readFileBytes(later), std::string("y"));
  for (const auto& message : f.prompts.messages)
    QVERIFY(message.caption != QStringLiteral("Warning"));
}

void HandedPathsTest::aSecondStartHandsItsPathsToTheFirst() {
  MainFormFixture f;
  const std::string file = f.folder.write("from the second start", "x");
  // The session's runtime folder is the test's own, for this window and the second start.
  const std::string runtime = f.folder.makeFolder("runtime");
  // The user's alone, as a session's runtime folder is (another is not trusted).
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
  const QString channel = TSingleInstance::DefaultChannel();
  QVERIFY(channel.startsWith(QString::fromStdString(runtime)));
  // Nobody listens yet: the request is not taken.
  QVERIFY(!TSingleInstance::HandOver(channel, TWindowRequest{{file}, {}, false}));
  TSingleInstance instance(channel);
  QVERIFY(instance.Listen());
  instance.SetHandler([&f](const TWindowRequest& request) { f.form().TakeRequest(request); });

  // Another program's bytes on the channel are dropped with its connection.
  QLocalSocket stranger;
  stranger.connectToServer(channel);
  QVERIFY(stranger.waitForConnected());
  stranger.write("GET / HTTP/1.0\r\n\r\n");
  QSignalSpy dropped(&stranger, &QLocalSocket::disconnected);
  QVERIFY(dropped.wait());
  QVERIFY(f.files().Items.empty());

  // A request that comes while the window is still being made waits for it.
  TSingleInstance early(channel + QStringLiteral("-early"));
  QVERIFY(early.Listen());
  QLocalSocket sender;
  sender.connectToServer(channel + QStringLiteral("-early"));
  QVERIFY(sender.waitForConnected());
  const std::string request = TWindowRequest{{file}, {}, false}.Encode();
  sender.write(QByteArray::fromStdString(FrameOf(request)));
  QSignalSpy answered(&sender, &QLocalSocket::readyRead);
  QVERIFY(answered.wait());
  QCOMPARE(sender.readAll(), QByteArray("ok\n"));
  std::vector<TWindowRequest> taken;
  early.SetHandler([&taken](const TWindowRequest& request) { taken.push_back(request); });
  QCOMPARE(taken.size(), std::size_t{1});
  QCOMPARE(taken[0].paths, std::vector<std::string>{file});

  // The second start is a copy of the program in this test's program folder, which is then its
  // settings folder too. It finds a record of a lowered reserve there (the running window's
  // free-space wipe would have written it) and settings without some of their keys: it hands
  // over and ends without touching either.
  const std::string program = f.folder.programFolder() + "ferrovane";
  std::filesystem::copy_file(FERROVANE_WINDOW, program);
  const std::string record =
      f.folder.write("program/reserve-lowered", "/nowhere/reserved_clusters 4096\n");
  const std::string settings =
      f.folder.write("program/Ferrovane.ini", "[Settings]\nBufferSize=4096\n");
  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), QString::fromStdString(f.folder.homeFolder()));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                     QString::fromStdString(f.folder.configFolder()));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  second.setProcessEnvironment(environment);
  second.setWorkingDirectory(QString::fromStdString(f.folder.path()));
  QSignalSpy ended(&second, &QProcess::finished);
  second.start(QString::fromStdString(program), {QStringLiteral("from the second start")});
  QVERIFY(ended.wait(30000));  // ends as soon as this window has taken the path
  QCOMPARE(second.exitCode(), 0);
  QCOMPARE(f.itemPaths(f.files()), std::vector<std::string>{file});
  QVERIFY(f.prompts.messages.empty());
  QVERIFY(readFileBytes(file) == "x");
  QCOMPARE(readFileBytes(record), std::string("/nowhere/reserved_clusters 4096\n"));
  QCOMPARE(readFileBytes(settings), std::string("[Settings]\nBufferSize=4096\n"));
  qunsetenv("XDG_RUNTIME_DIR");
}

void HandedPathsTest::theChannelTrustsOnlyItsOwnUser() {
  if (platform::currentUserId() != 0) QSKIP("acting as another user needs the administrator");
  namespace fsys = std::filesystem;
  TestFolder folder;
  // A folder every user may write, as the temporary folder is.
  fsys::permissions(folder.path(), fsys::perms::owner_all | fsys::perms::others_exec);
  const std::string shared = folder.makeFolder("shared");
  fsys::permissions(shared, fsys::perms::all | fsys::perms::sticky_bit);
  const TWindowRequest request{{"/home/victim/secret"}, "/", false};

  // Another user listens on the channel first: a start tells it nothing, not even the request,
  // and does not count it as taken (it opens a window of its own).
  const std::string theirs = shared + "/theirs";
  const std::string heard = shared + "/heard";
  bool handedOver = true;
  std::thread start([&] {
    for (int tries = 0; tries < 2000 && !pathExists(theirs); ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    handedOver = TSingleInstance::HandOver(QString::fromStdString(theirs), request);
  });
  const int listened = asAnotherUser([&] {
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = socketAddress(theirs);
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 1) != 0) {
      return 11;
    }
    pollfd waiting{listener, POLLIN, 0};
    if (::poll(&waiting, 1, 20000) != 1) return 12;
    const int connection = ::accept(listener, nullptr, nullptr);
    const std::string got = readFor(connection, 2000);
    if (::write(connection, "ok\n", 3) != 3) {
      // The start has gone already.
    }
    const int record = ::open(heard.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return ::write(record, got.data(), got.size()) == ssize_t(got.size()) ? 0 : 13;
  });
  start.join();
  QVERIFY(!handedOver);
  QCOMPARE(listened, 0);
  QCOMPARE(readFileBytes(heard), std::string());

  // A process of another user connects to this user's window (whose channel another user could
  // reach): what it sends is not taken, and it hears nothing back.
  const std::string ours = shared + "/ours";
  TSingleInstance instance(QString::fromStdString(ours));
  QVERIFY(instance.Listen());
  fsys::permissions(ours, fsys::perms::all);
  std::vector<TWindowRequest> taken;
  instance.SetHandler([&taken](const TWindowRequest& request) { taken.push_back(request); });
  const int sent = asAnotherUser([&] {
    const int connection = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = socketAddress(ours);
    if (::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      return 11;
    }
    const std::string frame = FrameOf(request.Encode());
    if (::write(connection, frame.data(), frame.size()) != ssize_t(frame.size())) return 0;
    return readFor(connection, 3000).empty() ? 0 : 12;
  });
  QCOMPARE(sent, 0);
  QVERIFY(taken.empty());
  // The user's own start is still taken.
  bool ownTaken = false;
  std::thread own(
      [&] { ownTaken = TSingleInstance::HandOver(QString::fromStdString(ours), request); });
  QTRY_COMPARE(taken.size(), std::size_t{1});
  own.join();
  QVERIFY(ownTaken);
}

void HandedPathsTest::theChannelLiesWhereOnlyTheUserMayEnter() {
  namespace fsys = std::filesystem;
  TestFolder folder;
  const std::string temporary = folder.makeFolder("tmp");
  fsys::permissions(temporary, fsys::perms::all | fsys::perms::sticky_bit);
  const std::string cache = folder.makeFolder("cache");
  const platform::ScopedTempFolder usedTemporary(temporary + "/");
  const platform::ScopedCacheFolder usedCache(cache + "/");
  const std::string own = "ferrovane-" + std::to_string(platform::currentUserId());
  const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
  const auto channel = [] { return TSingleInstance::DefaultChannel().toStdString(); };
  const auto mode = [](const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? int(st.st_mode & 07777) : -1;
  };

  // No runtime folder (after su, in some logins): a folder of the user's own, for the user alone.
  qunsetenv("XDG_RUNTIME_DIR");
  QCOMPARE(channel(), temporary + "/" + own + "/window");
  QCOMPARE(mode(temporary + "/" + own), 0700);
  // A runtime folder others may enter is no runtime folder of the user's.
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(temporary));
  QCOMPARE(channel(), temporary + "/" + own + "/window");
  // Another's folder, or a link, planted where the user's would be, is never used.
  fsys::remove_all(temporary + "/" + own);
  fsys::create_directory(temporary + "/" + own);
  if (platform::currentUserId() == 0) {
    QCOMPARE(::chown((temporary + "/" + own).c_str(), 65534, 65534), 0);
    const int planted = mode(temporary + "/" + own);
    QCOMPARE(channel(), cache + "/" + own + "/window");
    QCOMPARE(mode(temporary + "/" + own), planted);  // and it is not changed
  }
  fsys::remove_all(temporary + "/" + own);
  fsys::create_directory_symlink(cache, temporary + "/" + own);
  QCOMPARE(channel(), cache + "/" + own + "/window");
  // The runtime folder, when it is the user's alone.
  const std::string runtime = folder.makeFolder("runtime");
  fsys::permissions(runtime, fsys::perms::owner_all);
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
  QCOMPARE(channel(), runtime + "/ferrovane-window");
  if (runtimeBefore.isNull()) {
    qunsetenv("XDG_RUNTIME_DIR");
  } else {
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
  }
}

void HandedPathsTest::onlyTheFramesAStartWritesAreTaken() {
  namespace fsys = std::filesystem;
  TestFolder folder;
  const std::string runtime = folder.makeFolder("runtime");
  fsys::permissions(runtime, fsys::perms::owner_all);
  const QString channel = QString::fromStdString(runtime + "/ferrovane-window");
  TSingleInstance instance(channel);
  QVERIFY(instance.Listen());
  std::vector<TWindowRequest> taken;
  instance.SetHandler([&taken](const TWindowRequest& request) { taken.push_back(request); });
  const std::string request = TWindowRequest{{"/tmp/x"}, "/", false}.Encode();
  const std::string length = std::to_string(request.size());
  for (const std::string& bytes : {
           "+" + length + "\n" + request, " " + length + "\n" + request,
           "0" + length + "\n" + request, length + " \n" + request,
           length + "\n" + request + "x",  // a byte more than the request
       }) {
    QLocalSocket sender;
    sender.connectToServer(channel);
    QVERIFY(sender.waitForConnected());
    QSignalSpy dropped(&sender, &QLocalSocket::disconnected);
    sender.write(bytes.data(), qint64(bytes.size()));
    QVERIFY2(dropped.wait(), bytes.c_str());
    QVERIFY(taken.empty());
  }
  QLocalSocket sender;
  sender.connectToServer(channel);
  QVERIFY(sender.waitForConnected());
  const std::string frame = FrameOf(request);
  sender.write(frame.data(), qint64(frame.size()));
  QTRY_COMPARE(taken.size(), std::size_t{1});
}

void HandedPathsTest::qtIsGivenNoneOfTheArguments() {
  namespace fsys = std::filesystem;
  TestFolder folder;
  // Help and the version, without a display.
  for (const char* option : {"--help", "--version"}) {
    QProcess help;
    QProcessEnvironment bare;
    bare.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    help.setProcessEnvironment(bare);
    help.start(QStringLiteral(FERROVANE_WINDOW), {QString::fromLatin1(option)});
    QVERIFY(help.waitForFinished(30000));
    QCOMPARE(help.exitCode(), 0);
    QVERIFY(help.readAllStandardOutput().startsWith(option == std::string("--help")
                                                        ? QByteArray("Usage: ferrovane")
                                                        : QByteArray("ferrovane ")));
  }
  // Without a display too, the help and the error of an unknown option are in the user's
  // language.
  const auto german = [](const QStringList& args) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment bare;
    bare.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    bare.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    process->setProcessEnvironment(bare);
    process->start(QStringLiteral(FERROVANE_WINDOW), args);
    process->waitForFinished(30000);
    return process;
  };
  const auto help = german({QStringLiteral("--help")});
  QCOMPARE(help->exitCode(), 0);
  const QString helpText = QString::fromUtf8(help->readAllStandardOutput());
  QVERIFY2(helpText.startsWith(QStringLiteral("Aufruf: ferrovane")), qPrintable(helpText));
  QVERIFY(helpText.contains(QStringLiteral("diesen Text anzeigen und beenden")));
  const auto unknown = german({QStringLiteral("--wipe-now")});
  QCOMPARE(unknown->exitCode(), 2);
  const QString error = QString::fromUtf8(unknown->readAllStandardError());
  QVERIFY2(error.startsWith(QStringLiteral("ferrovane: unbekannte Option --wipe-now\nAufruf:")),
           qPrintable(error));

  // Names that Qt would read as its own options arrive as paths, every one of them.
  const std::string runtime = folder.makeFolder("runtime");
  fsys::permissions(runtime, fsys::perms::owner_all);
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
  TSingleInstance instance(TSingleInstance::DefaultChannel());
  QVERIFY(instance.Listen());
  std::vector<TWindowRequest> taken;
  instance.SetHandler([&taken](const TWindowRequest& request) { taken.push_back(request); });
  const QStringList paths = {QStringLiteral("./a"),          QStringLiteral("-platform"),
                             QStringLiteral("xcb"),          QStringLiteral("-reverse"),
                             QStringLiteral("./b"),          QStringLiteral("-stylesheet"),
                             QStringLiteral("./c"),          QStringLiteral("-platformpluginpath"),
                             QStringLiteral("./evil"),       QStringLiteral("-style"),
                             QStringLiteral("-qwindowtitle")};
  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  second.setProcessEnvironment(environment);
  second.setWorkingDirectory(QString::fromStdString(folder.path()));
  QSignalSpy ended(&second, &QProcess::finished);
  second.start(QStringLiteral(FERROVANE_WINDOW), QStringList{QStringLiteral("--")} + paths);
  QVERIFY(ended.wait(30000));  // ends as soon as this window has taken the paths
  QCOMPARE(second.exitCode(), 0);
  QCOMPARE(taken.size(), std::size_t{1});
  std::vector<std::string> expected;
  for (const QString& path : paths) expected.push_back(path.toStdString());
  QCOMPARE(taken[0].paths, expected);
  QCOMPARE(taken[0].base, folder.path());
  qunsetenv("XDG_RUNTIME_DIR");
}

QTEST_MAIN(HandedPathsTest)
#include "HandedPathsTest.moc"
