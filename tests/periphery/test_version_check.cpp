#include "periphery/HttpGet.h"
#include "periphery/MakerSite.h"
#include "periphery/Ufrmcheck.h"
#include "support/FakeSeams.h"

#include <QHash>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace {

const QString kFailed = QStringLiteral("Check new version status:Connect server failed.");
const QString kLatest = QStringLiteral("This is the lastest version.");
const QString kNewer = QStringLiteral("Have a new version,Do you want to download it?");
constexpr int kTestTimeoutMs = 1000;

// How the server on 127.0.0.1 answers every request.
enum class Answer { Body, Error500, Huge, HugeAnnounced, Endless, Silent, Trickle, Redirect, Late, Refused };

class VersionServer final : public QObject {
public:
    VersionServer(Answer answer, QByteArray body) : answer_(answer), body_(std::move(body))
    {
        server_.listen(QHostAddress::LocalHost);
        port_ = server_.serverPort();
        if (answer == Answer::Refused)
            server_.close();
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            }
        });
    }

    QUrl site() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port_)); }
    QList<QByteArray> requests;

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = pending_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        requests << buffer;
        buffer.clear();
        respond(socket);
    }

    static QByteArray ok(const QByteArray &body)
    {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\nConnection: close\r\n\r\n" + body;
    }

    void respond(QTcpSocket *socket)
    {
        // "400" and then blanks: without the size limit it would read as 400.
        const QByteArray huge = "400" + QByteArray(10 * 1024 * 1024, ' ');
        switch (answer_) {
        case Answer::Body:
            socket->write(ok(body_));
            socket->disconnectFromHost();
            break;
        case Answer::Error500:
            socket->write("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 3\r\nConnection: close\r\n\r\n401");
            socket->disconnectFromHost();
            break;
        case Answer::Huge:
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + huge);
            socket->disconnectFromHost();
            break;
        case Answer::HugeAnnounced:
            socket->write(ok(huge));
            socket->disconnectFromHost();
            break;
        case Answer::Endless: {
            // Blanks for as long as the client reads them.
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n400");
            connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
                if (socket->bytesToWrite() < 65536)
                    socket->write(QByteArray(65536, ' '));
            });
            break;
        }
        case Answer::Silent:
        case Answer::Refused:
            break;
        case Answer::Trickle: {
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n400");
            auto *drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            drip->start(100);
            break;
        }
        case Answer::Redirect:
            if (requests.size() == 1 || !requests.last().contains("/elsewhere")) {
                socket->write("HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n"
                              "Connection: close\r\n\r\n");
                socket->disconnectFromHost();
            } else {
                socket->write(ok("401"));
                socket->disconnectFromHost();
            }
            break;
        case Answer::Late:
            QTimer::singleShot(300, socket, [socket] {
                socket->write(ok("401"));
                socket->disconnectFromHost();
            });
            break;
        }
    }

    Answer answer_;
    QByteArray body_;
    QTcpServer server_;
    quint16 port_ = 0;
    QHash<QTcpSocket *, QByteArray> pending_;
};

struct Seams {
    HttpGet http;
    FakeMessages messages;
    FakeShell shell;
    Seams()
    {
        seams::setHttp(&http);
        messages.answers = {true};
    }
    ~Seams() { seams::setHttp(nullptr); }
};

void configure(Tfrmcheck &checker, const VersionServer &server, Answer answer = Answer::Body)
{
    checker.setSite(server.site());
    // An endless body must end at the size limit, not at the time-out.
    checker.setTimeoutMs(answer == Answer::Endless ? 3600 * 1000 : kTestTimeoutMs);
}

} // namespace

class TestVersionCheck : public QObject {
    Q_OBJECT
private slots:
    void statusOfBody_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::newRow("latest") << QByteArray("400") << 400;
        QTest::newRow("newer") << QByteArray("00401") << 401;
        QTest::newRow("line end") << QByteArray("400\r\n") << 0;
        QTest::newRow("leading blank") << QByteArray(" 400") << 0;
        QTest::newRow("plus sign") << QByteArray("+400") << 0;
        QTest::newRow("minus sign") << QByteArray("-7") << 0;
        QTest::newRow("blank inside") << QByteArray("4 00") << 0;
        QTest::newRow("sign alone") << QByteArray("-") << 0;
        QTest::newRow("beyond int") << QByteArray("99999999999") << 0;
        QTest::newRow("hex") << QByteArray("0x190") << 0;
    }
    void statusOfBody()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QCOMPARE(versionStatusOf(body), status);
    }

    void manualCheck_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("requests");
        QTest::newRow("400") << Answer::Body << QByteArray("400") << 400 << kLatest << 1;
        QTest::newRow("401") << Answer::Body << QByteArray("401") << 401 << kNewer << 1;
        QTest::newRow("0") << Answer::Body << QByteArray("0") << 0 << kFailed << 1;
        QTest::newRow("empty") << Answer::Body << QByteArray() << 0 << kFailed << 1;
        QTest::newRow("40x") << Answer::Body << QByteArray("40x") << 0 << kFailed << 1;
        QTest::newRow("HTTP 500") << Answer::Error500 << QByteArray() << 0 << kFailed << 1;
        QTest::newRow("10 MB") << Answer::Huge << QByteArray() << 0 << kFailed << 1;
        QTest::newRow("10 MB announced") << Answer::HugeAnnounced << QByteArray() << 0 << kFailed << 1;
        QTest::newRow("endless") << Answer::Endless << QByteArray() << 0 << kFailed << 1;
        QTest::newRow("never answers") << Answer::Silent << QByteArray() << 0 << kFailed << 1;
        QTest::newRow("trickles") << Answer::Trickle << QByteArray() << 0 << kFailed << 1;
        QTest::newRow("refused") << Answer::Refused << QByteArray() << 0 << kFailed << 0;
        QTest::newRow("redirect") << Answer::Redirect << QByteArray() << 0 << kFailed << 1;
    }
    void manualCheck()
    {
        QFETCH(Answer, answer);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(int, requests);
        Seams seams;
        VersionServer server(answer, body);
        Tfrmcheck checker;
        configure(checker, server, answer);

        QCOMPARE(checker.QueryVersionStatus(), status);
        int ended = 0;
        checker.CheckNewVersion([&] { ++ended; });
        // The menu's check returns at once and answers from the event loop.
        QVERIFY(checker.checking());
        QVERIFY(seams.messages.reports.isEmpty() && seams.messages.asked.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!checker.checking(), 5 * kTestTimeoutMs);
        QCOMPARE(ended, 1);
        QCOMPARE(seams.messages.reports + seams.messages.asked, QStringList{message});
        QCOMPARE(seams.shell.opened, message == kNewer ? QStringList{QString::fromLatin1(kMakerSite)} : QStringList());
        QCOMPARE(server.requests.size(), 2 * requests);
    }

    void automaticCheck_data() { manualCheck_data(); }
    void automaticCheck()
    {
        QFETCH(Answer, answer);
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        Seams seams;
        VersionServer server(answer, body);
        Tfrmcheck checker;
        configure(checker, server, answer);

        checker.AutoCheckVersion();
        QVERIFY(checker.checking());
        QTRY_VERIFY_WITH_TIMEOUT(!checker.checking(), 5 * kTestTimeoutMs);
        const bool newer = message == kNewer;
        QCOMPARE(seams.messages.asked, newer ? QStringList{kNewer} : QStringList());
        QVERIFY(seams.messages.reports.isEmpty());
        QCOMPARE(seams.shell.opened, newer ? QStringList{QString::fromLatin1(kMakerSite)} : QStringList());
    }

    void requestAsSent()
    {
        Seams seams;
        VersionServer server(Answer::Body, "400");
        Tfrmcheck checker;
        configure(checker, server);
        checker.QueryVersionStatus();
        QCOMPARE(server.requests.size(), 1);
        const QByteArray request = server.requests.first().toLower();
        QVERIFY(request.startsWith("get /myasp/newversion.asp http/1.1\r\n"));
        QVERIFY(request.contains("\r\naccept: text/html, */*\r\n"));
        QVERIFY(request.contains("\r\nuser-agent: mozilla/3.0 (compatible; indy library)\r\n"));
        QVERIFY(request.contains("\r\ncontent-type: text/html\r\n"));
    }

    void secondAutomaticCheckWhileWaitingStartsNothing()
    {
        Seams seams;
        VersionServer server(Answer::Late, {});
        Tfrmcheck checker;
        configure(checker, server);
        checker.AutoCheckVersion();
        checker.AutoCheckVersion();
        QTRY_VERIFY_WITH_TIMEOUT(!checker.checking(), 5 * kTestTimeoutMs);
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(seams.messages.asked, QStringList{kNewer});
    }

    void destroyedWhileWaitingNeverAnswers_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::newRow("at start") << false;
        QTest::newRow("from the menu") << true;
    }
    void destroyedWhileWaitingNeverAnswers()
    {
        QFETCH(bool, manual);
        Seams seams;
        VersionServer server(Answer::Late, {});
        auto *checker = new Tfrmcheck;
        configure(*checker, server);
        int ended = 0;
        if (manual)
            checker->CheckNewVersion([&] { ++ended; });
        else
            checker->AutoCheckVersion();
        QTRY_COMPARE(server.requests.size(), 1);
        delete checker;
        // The wait is over for whoever showed it, answer or not.
        QCOMPARE(ended, manual ? 1 : 0);
        // The server answers 401 after 300 ms; nobody may be asked.
        QTest::qWait(600);
        QVERIFY(seams.messages.asked.isEmpty());
        QVERIFY(seams.shell.opened.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVersionCheck)
#include "test_version_check.moc"
