// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "share/ShareServer.h"
#include "share/PlayerPage.h"
#include "output/CardWebPage.h"
#include "game/PlayerMessage.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QHostInfo>
#include <QRandomGenerator>
#include <initializer_list>
#include <arpa/inet.h>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <microhttpd.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <strings.h>
#include <sys/socket.h>

struct ShareServer::Stream {
    ShareServer* Server = nullptr;
    QString Seat;          // the secret of the phone's seat, once it has one
    QString Address;       // the phone's
    MHD_Connection* Connection = nullptr;
    bool Brief = false;    // beyond its share of places: the calls now, then it ends
    bool Ending = false;   // ends once what it has is sent
    size_t Next = 0;       // the first event not yet sent
    bool Started = false;  // the snapshot went out
    bool Suspended = false; // waiting for something to send
    bool KeepAliveDue = false;
    QByteArray Pending;    // bytes not yet taken by the socket
};

struct ShareServer::Request {
    QByteArray Body;
    bool TooLarge = false;
};

namespace {

constexpr qsizetype MaxRequest = 4096;

bool SameBytes(const QByteArray& a, const char* b, size_t length)
{
    // As long for a wrong token as for a right one.
    if (static_cast<size_t>(a.size()) != length)
        return false;
    unsigned char diff = 0;
    for (size_t i = 0; i < length; ++i)
        diff |= static_cast<unsigned char>(a[static_cast<qsizetype>(i)] ^ b[i]);
    return diff == 0;
}

QString T(const char* text)
{
    return QCoreApplication::translate("ShareServer", text);
}

MHD_Result Queue(MHD_Connection* connection, unsigned status, const QByteArray& body, const char* type,
                 const QByteArray& policy = {})
{
    MHD_Response* response = MHD_create_response_from_buffer(static_cast<size_t>(body.size()),
                                                              const_cast<char*>(body.constData()), MHD_RESPMEM_MUST_COPY);
    MHD_add_response_header(response, "Content-Type", type);
    MHD_add_response_header(response, "Cache-Control", "no-store");
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
    // One request a connection: a phone holds no more than its event stream.
    MHD_add_response_header(response, "Connection", "close");
    if (!policy.isEmpty())
        MHD_add_response_header(response, "Content-Security-Policy", policy.constData());
    const MHD_Result result = MHD_queue_response(connection, status, response);
    MHD_destroy_response(response);
    return result;
}

MHD_Result OnRequest(void* cls, MHD_Connection* connection, const char* url, const char* method, const char*,
                     const char* upload, size_t* uploadSize, void** state)
{
    return static_cast<ShareServer*>(cls)->Answer(connection, url, method, upload, uploadSize, state) ? MHD_YES : MHD_NO;
}

void OnCompleted(void*, MHD_Connection*, void** state, MHD_RequestTerminationCode)
{
    delete static_cast<ShareServer::Request*>(*state);
    *state = nullptr;
}

ssize_t OnRead(void* cls, uint64_t, char* buffer, size_t size)
{
    auto* stream = static_cast<ShareServer::Stream*>(cls);
    return stream->Server->Read(stream, buffer, size);
}

void OnStreamClosed(void* cls)
{
    auto* stream = static_cast<ShareServer::Stream*>(cls);
    stream->Server->Close(stream);
}

void OnConnection(void* cls, MHD_Connection* connection, void**, MHD_ConnectionNotificationCode code)
{
    auto* server = static_cast<ShareServer*>(cls);
    if (code == MHD_CONNECTION_NOTIFY_STARTED)
        server->ConnectionStarted(connection);
    else
        server->ConnectionClosed(connection);
}

// Room for the connections the server takes: the soft limit of open files raised towards the
// hard one (1,024 is the usual soft limit, and every connection is a file).
void RaiseOpenFileLimit(int wanted)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < static_cast<rlim_t>(wanted)) {
        limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, static_cast<rlim_t>(wanted));
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

// Whether the request says its length once, and in one way only.
// How many of the request's headers have one of these names.
int HeadersNamed(MHD_Connection* connection, std::initializer_list<const char*> names)
{
    struct Count {
        std::initializer_list<const char*> Names;
        int Found = 0;
    } count{names};
    MHD_get_connection_values(
        connection, MHD_HEADER_KIND,
        [](void* cls, MHD_ValueKind, const char* key, const char*) {
            auto* count = static_cast<Count*>(cls);
            for (const char* name : count->Names)
                if (strcasecmp(key, name) == 0)
                    ++count->Found;
            return MHD_YES;
        },
        &count);
    return count.Found;
}


QString ClientAddress(MHD_Connection* connection)
{
    const MHD_ConnectionInfo* client = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    return client && client->client_addr ? QHostAddress(client->client_addr).toString() : QString();
}

} // namespace

QByteArray ShareServer::NewSecret()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex();
}

ShareServer::ShareServer(std::shared_ptr<SharedGame> game, const Options& options, QObject* parent)
    : QObject(parent), Game(std::move(game)), Settings(options), SecretToken(NewSecret())
{
    if (!Settings.Claims)
        Settings.Claims = std::make_shared<ClaimQueue>();
    Page = PlayerPage(PagePolicy, Game->IsTickets());
    Guard = std::make_unique<ConnectionGuard>(
        ConnectionGuard::Limits{Settings.HeaderMs, Settings.MaxConnections, Settings.MaxConnections / 10},
        [](int socket) { ::shutdown(socket, SHUT_RDWR); });
    RaiseOpenFileLimit(Settings.MaxConnections + 256);
    Protocol = std::make_unique<PlayerProtocol>(Game, Settings.Rates, Settings.Claims,
                                                PlayerProtocol::Look{Settings.Pictures, Settings.Design});
    sockaddr_storage where{};
    socklen_t length = 0;
    unsigned flags = MHD_USE_AUTO_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME;
    bool ok = false;
    const QString host = Settings.Address.toString();
    if (Settings.Address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto* six = reinterpret_cast<sockaddr_in6*>(&where);
        six->sin6_family = AF_INET6;
        six->sin6_port = htons(Settings.Port);
        const Q_IPV6ADDR bytes = Settings.Address.toIPv6Address();
        std::memcpy(&six->sin6_addr, &bytes, 16);
        length = sizeof(sockaddr_in6);
        flags |= MHD_USE_IPv6;
        ok = true;
    } else {
        const quint32 v4 = Settings.Address.toIPv4Address(&ok);
        auto* four = reinterpret_cast<sockaddr_in*>(&where);
        four->sin_family = AF_INET;
        four->sin_port = htons(Settings.Port);
        four->sin_addr.s_addr = htonl(v4);
        length = sizeof(sockaddr_in);
    }
    if (!ok)
        throw PlatformError(T(QT_TRANSLATE_NOOP("ShareServer", "This is not an address to share the game on")), host);
    (void)length;
    Daemon = MHD_start_daemon(flags, Settings.Port, nullptr, nullptr, &OnRequest, this,
                              MHD_OPTION_SOCK_ADDR, reinterpret_cast<sockaddr*>(&where),
                              MHD_OPTION_CONNECTION_LIMIT, static_cast<unsigned>(Settings.MaxConnections),
                              MHD_OPTION_PER_IP_CONNECTION_LIMIT, 32u,
                              MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned>(Settings.IdleSeconds),
                              MHD_OPTION_CONNECTION_MEMORY_LIMIT, static_cast<size_t>(3 * MaxRequest),
                              MHD_OPTION_LISTEN_BACKLOG_SIZE, 1024u,
                              MHD_OPTION_STRICT_FOR_CLIENT, 1, // HTTP/1.1 without Host, or two lengths: refused
                              MHD_OPTION_NOTIFY_CONNECTION, &OnConnection, this,
                              MHD_OPTION_NOTIFY_COMPLETED, &OnCompleted, nullptr, MHD_OPTION_END);
    if (!Daemon)
        throw PlatformError(T(QT_TRANSLATE_NOOP("ShareServer", "The game could not be shared on this address")), host);
    if (const MHD_DaemonInfo* info = MHD_get_daemon_info(Daemon, MHD_DAEMON_INFO_BIND_PORT))
        BoundPort = info->port;
    SetCalls(Game->Calls());
    Sweeper = std::thread([this] { SweepLoop(); });
}

ShareServer::~ShareServer()
{
    {
        std::lock_guard<std::mutex> guard(Lock);
        Stopping = true;
        WakeStreams(); // each ends its stream
    }
    Changed.notify_all();
    if (Sweeper.joinable())
        Sweeper.join();
    if (Daemon)
        MHD_stop_daemon(Daemon); // every connection closed before this returns
}

void ShareServer::SweepLoop()
{
    // Four times a second: connections overdue or over the limit cut; every KeepAliveSeconds
    // each waiting stream sends a keep-alive, so a phone that went away is found.
    auto lastKeepAlive = std::chrono::steady_clock::now();
    auto lastRest = lastKeepAlive;
    std::unique_lock<std::mutex> guard(Lock);
    while (!Stopping) {
        Changed.wait_for(guard, std::chrono::milliseconds(250));
        if (Stopping)
            break;
        guard.unlock();
        Guard->Sweep(QDateTime::currentMSecsSinceEpoch());
        guard.lock();
        const auto now = std::chrono::steady_clock::now();
        if (now - lastRest >= std::chrono::seconds(std::clamp(Settings.SeatAwaySeconds / 4, 1, 5))) {
            // Seats whose phone holds no stream for a while count no more (see RestAway).
            lastRest = now;
            QSet<QString> listening;
            for (const Stream* stream : Live)
                if (!stream->Seat.isEmpty())
                    listening.insert(stream->Seat);
            Game->RestAway(QDateTime::currentMSecsSinceEpoch(), Settings.SeatAwaySeconds * 1000LL, listening);
        }
        if (now - lastKeepAlive >= std::chrono::seconds(Settings.KeepAliveSeconds)) {
            lastKeepAlive = now;
            for (Stream* stream : Live)
                stream->KeepAliveDue = true;
            WakeStreams();
        }
    }
}

void ShareServer::Place(Stream& stream)
{
    // A seat holds one stream: the phone's newest (a reload, a wake), the older one ending.
    // Streams without a seat are a few to an address and a share of the places in all, so
    // streams opened by whoever has the token never leave new phones without a place; one
    // beyond its share is brief. Seated streams are as many as the seats, with a bound too.
    int unseated = 0, fromAddress = 0, seated = 0;
    for (Stream* other : Live) {
        if (other->Brief || other->Ending)
            continue;
        if (!stream.Seat.isEmpty() && other->Seat == stream.Seat) {
            other->Ending = true;
            if (other->Suspended) {
                other->Suspended = false;
                MHD_resume_connection(other->Connection);
            }
        } else if (other->Seat.isEmpty()) {
            ++unseated;
            fromAddress += other->Address == stream.Address;
        } else {
            ++seated;
        }
    }
    stream.Brief = stream.Seat.isEmpty() ? fromAddress >= Settings.StreamsPerAddress || unseated >= Settings.MaxConnections / 4
                                         : seated >= Settings.MaxConnections / 2;
}

void ShareServer::WakeStreams()
{
    for (Stream* stream : Live)
        if (stream->Suspended) {
            stream->Suspended = false;
            MHD_resume_connection(stream->Connection);
        }
}

bool ShareServer::HostAllowed(const char* host) const
{
    if (!host)
        return true; // HTTP/1.0 without one: the library refuses HTTP/1.1 without it
    QString name = QString::fromLatin1(host).toLower();
    const QString port = u':' + QString::number(BoundPort);
    if (name.endsWith(port))
        name.chop(port.size());
    const QString address = Settings.Address.protocol() == QAbstractSocket::IPv6Protocol
                                ? u'[' + Settings.Address.toString().toLower() + u']'
                                : Settings.Address.toString();
    const QString computer = QHostInfo::localHostName().toLower();
    return name == address || (!computer.isEmpty() && (name == computer || name == computer + QStringLiteral(".local")));
}

void ShareServer::HandOverClaims()
{
    // What the phones did since the window last heard, in one go: the claims, a card's
    // last only, and whether seats were dealt.
    bool seats = false;
    {
        std::lock_guard<std::mutex> guard(Lock);
        std::swap(seats, SeatsDealt);
        ClaimsPosted = false;
    }
    for (const ClaimQueue::Claim& claim : Settings.Claims->TakeHeard())
        Q_EMIT ClaimHeard(claim.Text, claim.Card, claim.Bingo);
    if (seats)
        Q_EMIT SeatsChanged();
}

QList<SharedGame::SeatRow> ShareServer::Seats() const
{
    std::lock_guard<std::mutex> guard(Lock);
    return Game->SeatList();
}

int ShareServer::RemoveSeat(int card)
{
    std::lock_guard<std::mutex> guard(Lock);
    return Game->RemoveSeat(card);
}

int ShareServer::RemoveAddress(const QString& address)
{
    std::lock_guard<std::mutex> guard(Lock);
    return Game->RemoveAddress(address);
}

void ShareServer::ConnectionStarted(void* connection)
{
    auto* c = static_cast<MHD_Connection*>(connection);
    const MHD_ConnectionInfo* info = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CONNECTION_FD);
    Guard->Started(connection, info ? info->connect_fd : -1, QDateTime::currentMSecsSinceEpoch());
}

void ShareServer::ConnectionClosed(void* connection)
{
    Guard->Closed(connection);
}

QString ShareServer::Url() const
{
    const QString host = Settings.Address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + Settings.Address.toString() + u']'
                             : Settings.Address.toString();
    return QStringLiteral("http://%1:%2/%3/").arg(host).arg(BoundPort).arg(QString::fromLatin1(SecretToken));
}

int ShareServer::Connected() const
{
    std::lock_guard<std::mutex> guard(Lock);
    return Streams;
}

void ShareServer::SetCalls(const QStringList& calls)
{
    {
        std::lock_guard<std::mutex> guard(Lock);
        const QStringList before = Game->Calls();
        // A call adds one word, an undo takes the last back; anything else starts afresh.
        if (calls.size() == before.size() + 1 && calls.mid(0, before.size()) == before)
            Events.push_back(QJsonDocument(QJsonObject{{QStringLiteral("call"), calls.back()},
                                                       {QStringLiteral("count"), calls.size()}})
                                 .toJson(QJsonDocument::Compact));
        else if (calls.size() + 1 == before.size() && before.mid(0, calls.size()) == calls)
            Events.push_back(QJsonDocument(QJsonObject{{QStringLiteral("undo"), before.back()},
                                                       {QStringLiteral("count"), calls.size()}})
                                 .toJson(QJsonDocument::Compact));
        else if (calls != before || Events.empty())
            Events.push_back(QByteArray()); // an empty event: send the whole state again
        Game->SetCalls(calls);
        WakeStreams();
    }
}

void ShareServer::SetPattern(const Pattern& pattern, const QString& title)
{
    const int side = CardSide(Game->CardOptionsOf().SizeIndex);
    QJsonArray cells;
    const std::vector<bool> drawn = pattern.PlaysOn(side) ? pattern.Drawn(side) : std::vector<bool>();
    for (int i = 0; i < static_cast<int>(drawn.size()); ++i)
        if (drawn[static_cast<std::size_t>(i)])
            cells.append(i);
    const QJsonObject prize{{QStringLiteral("title"), title.isEmpty() ? pattern.Name : title},
                            {QStringLiteral("side"), side},
                            {QStringLiteral("cells"), cells},
                            {QStringLiteral("round"), pattern.AnyWayRound}};
    std::lock_guard<std::mutex> guard(Lock);
    Game->SetPattern(pattern);
    ShowPrize(prize);
}

void ShareServer::SetTicketPattern(NinetyBall::TicketPattern pattern, const QString& title)
{
    const QJsonObject prize{{QStringLiteral("title"), title.isEmpty() ? NinetyBall::TicketPatternName(pattern) : title}};
    std::lock_guard<std::mutex> guard(Lock);
    Game->SetTicketPattern(pattern);
    ShowPrize(prize);
}

void ShareServer::ShowPrize(const QJsonObject& prize)
{
    if (prize == Prize)
        return;
    Prize = prize;
    Events.push_back(QJsonDocument(QJsonObject{{QStringLiteral("prize"), Prize}}).toJson(QJsonDocument::Compact));
    WakeStreams();
}

void ShareServer::Announce(const QString& news)
{
    std::lock_guard<std::mutex> guard(Lock);
    Events.push_back(QJsonDocument(QJsonObject{{QStringLiteral("news"), news.left(200)}}).toJson(QJsonDocument::Compact));
    WakeStreams();
}

QByteArray ShareServer::Snapshot() const
{
    QJsonObject state{{QStringLiteral("calls"), QJsonArray::fromStringList(Game->Calls())},
                      {QStringLiteral("count"), Game->Calls().size()}};
    if (!Prize.isEmpty())
        state.insert(QStringLiteral("prize"), Prize);
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

long ShareServer::Read(Stream* stream, char* buffer, size_t size)
{
    // On the server's one thread: never waits. With nothing to send the stream is suspended
    // until a call or its keep-alive wakes it.
    std::lock_guard<std::mutex> guard(Lock);
    if (Stopping)
        return MHD_CONTENT_READER_END_OF_STREAM;
    if (stream->Pending.isEmpty() && stream->Ending)
        return MHD_CONTENT_READER_END_OF_STREAM;
    if (stream->Pending.isEmpty()) {
        if (!stream->Started) {
            // A brief stream asks the phone to come back a little later, when a place may be free.
            stream->Pending = (stream->Brief ? "retry: 5000\ndata: " : "retry: 2000\ndata: ") + Snapshot() + "\n\n";
            stream->Ending = stream->Brief;
            stream->Started = true;
            stream->Next = Events.size();
        } else if (stream->Next < Events.size()) {
            for (; stream->Next < Events.size(); ++stream->Next) {
                const QByteArray& event = Events[stream->Next];
                stream->Pending += "data: " + (event.isEmpty() ? Snapshot() : event) + "\n\n";
            }
        } else if (stream->KeepAliveDue) {
            stream->Pending = ": still here\n\n"; // the connection is not idle
        }
        stream->KeepAliveDue = false;
        if (stream->Pending.isEmpty()) {
            stream->Suspended = true;
            MHD_suspend_connection(stream->Connection);
            return 0;
        }
    }
    const size_t n = std::min(size, static_cast<size_t>(stream->Pending.size()));
    std::memcpy(buffer, stream->Pending.constData(), n);
    stream->Pending.remove(0, static_cast<qsizetype>(n));
    return static_cast<long>(n);
}

void ShareServer::Close(Stream* stream)
{
    int now = 0;
    {
        std::lock_guard<std::mutex> guard(Lock);
        now = --Streams;
        Live.erase(std::remove(Live.begin(), Live.end(), stream), Live.end());
    }
    delete stream;
    QMetaObject::invokeMethod(this, [this, now] { Q_EMIT ConnectedChanged(now); }, Qt::QueuedConnection);
}

QByteArray ShareServer::Say(const QByteArray& body, const QString& address)
{
    std::lock_guard<std::mutex> guard(Lock);
    PlayerProtocol::Heard heard;
    const QByteArray answer = Protocol->Answer(body, address, QDateTime::currentMSecsSinceEpoch(), heard);
    SeatsDealt = SeatsDealt || heard.SeatsDealt;
    if ((heard.SeatsDealt || heard.Claimed) && !ClaimsPosted) {
        ClaimsPosted = true;
        QMetaObject::invokeMethod(this, [this] { HandOverClaims(); }, Qt::QueuedConnection);
    }
    return answer;
}

int ShareServer::Answer(void* handle, const char* url, const char* method, const char* upload, size_t* uploadSize,
                        void** state)
{
    auto* connection = static_cast<MHD_Connection*>(handle);
    const bool post = std::strcmp(method, "POST") == 0;
    // Nothing without the token: "/TOKEN/", "/TOKEN/events", "/TOKEN/say".
    const char* rest = url[0] == '/' ? url + 1 : url;
    const char* slash = std::strchr(rest, '/');
    static const QByteArray notFound = "Not found\n";
    if (!slash || !SameBytes(SecretToken, rest, static_cast<size_t>(slash - rest)))
        return Queue(connection, MHD_HTTP_NOT_FOUND, notFound, "text/plain; charset=utf-8");
    // Two lengths, or two hosts: which body or which name is meant is anyone's guess.
    if (!*state && (HeadersNamed(connection, {"Host"}) > 1 ||
                    (post && HeadersNamed(connection, {"Content-Length", "Transfer-Encoding"}) > 1)))
        return Queue(connection, MHD_HTTP_BAD_REQUEST, "Bad request\n", "text/plain; charset=utf-8");
    if (post && !*state) { // the headers: the body follows in the next calls
        *state = new Request;
        return MHD_YES;
    }
    if (post && *uploadSize > 0) {
        auto* request = static_cast<Request*>(*state);
        if (request->Body.size() + static_cast<qsizetype>(*uploadSize) > MaxRequest)
            request->TooLarge = true;
        else
            request->Body.append(upload, static_cast<qsizetype>(*uploadSize));
        *uploadSize = 0;
        return MHD_YES;
    }
    // Only for the address shown (or this computer's name): a page elsewhere that learnt the
    // token and had its own name point here (DNS rebinding) is refused.
    if (!HostAllowed(MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Host")))
        return Queue(connection, 421, "Misdirected request\n", "text/plain; charset=utf-8");
    // A whole request with the token: the connection is a phone's, kept past the deadline.
    Guard->Trust(connection);
    const char* path = slash + 1;
    if (post && std::strcmp(path, "say") == 0) {
        auto* request = static_cast<Request*>(*state);
        if (request->TooLarge)
            return Queue(connection, MHD_HTTP_CONTENT_TOO_LARGE, "Too large\n", "text/plain; charset=utf-8");
        const QByteArray answer = Say(request->Body, ClientAddress(connection));
        if (answer.isEmpty())
            return Queue(connection, MHD_HTTP_BAD_REQUEST, "Bad request\n", "text/plain; charset=utf-8");
        return Queue(connection, MHD_HTTP_OK, answer, "application/json");
    }
    if (std::strcmp(method, "GET") != 0)
        return Queue(connection, MHD_HTTP_METHOD_NOT_ALLOWED, "Not allowed\n", "text/plain; charset=utf-8");
    if (path[0] == '\0')
        return Queue(connection, MHD_HTTP_OK, Page, "text/html; charset=utf-8", PagePolicy);
    if (std::strcmp(path, "events") == 0) {
        int now = 0;
        auto* stream = new Stream;
        stream->Server = this;
        stream->Connection = connection;
        stream->Address = ClientAddress(connection);
        const char* seat = MHD_lookup_connection_value(connection, MHD_GET_ARGUMENT_KIND, "seat");
        {
            std::lock_guard<std::mutex> guard(Lock);
            if (seat && IsSeatSecret(QString::fromLatin1(seat)) && Game->SeatOf(QString::fromLatin1(seat)))
                stream->Seat = QString::fromLatin1(seat);
            Place(*stream);
            now = ++Streams;
            Live.push_back(stream);
        }
        QMetaObject::invokeMethod(this, [this, now] { Q_EMIT ConnectedChanged(now); }, Qt::QueuedConnection);
        MHD_Response* response = MHD_create_response_from_callback(MHD_SIZE_UNKNOWN, 1024, &OnRead, stream, &OnStreamClosed);
        MHD_add_response_header(response, "Content-Type", "text/event-stream");
        MHD_add_response_header(response, "Connection", "close"); // a stream that ends gives its place back
        MHD_add_response_header(response, "Cache-Control", "no-store");
        MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
        MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
        const MHD_Result result = MHD_queue_response(connection, MHD_HTTP_OK, response);
        MHD_destroy_response(response);
        return result;
    }
    return Queue(connection, MHD_HTTP_NOT_FOUND, notFound, "text/plain; charset=utf-8");
}
