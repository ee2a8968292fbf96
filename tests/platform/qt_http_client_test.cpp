#include "platform/qt/qt_http_client.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/loopback_http_server.h"
#include "platform/qt_application.h"

namespace belvo {
namespace {

using test::BasicAuthorization;
using test::LoopbackAnswer;
using test::LoopbackHttpServer;
using test::LoopbackRequest;
using Behaviour = LoopbackAnswer::Behaviour;

std::string ReadAll(HttpResponse& response)
{
    std::string body;
    char buffer[1000];
    for (std::size_t got; (got = response.Read(buffer, sizeof buffer)) > 0;) body.append(buffer, got);
    return body;
}

QtHttpOptions Quick()
{
    QtHttpOptions options;
    options.idleTimeout = std::chrono::milliseconds(400);
    options.totalTimeout = std::chrono::milliseconds(5000);
    options.proxy = QNetworkProxy(QNetworkProxy::NoProxy);
    return options;
}

class QtHttpClientTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app = test::EnsureCoreApplication(); }
    static void TearDownTestSuite() { app.reset(); }
    static std::unique_ptr<QCoreApplication> app;

    HttpRequest Request(const std::string& url) const
    {
        HttpRequest request;
        request.url = url;
        request.userAgent = "Belvo test";
        return request;
    }

    QtHttpClient client{Quick()};
};
std::unique_ptr<QCoreApplication> QtHttpClientTest::app;

TEST_F(QtHttpClientTest, GetsStatusLengthAndBodyAndSendsTheAgentName)
{
    std::string body(150'000, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>(i * 7 % 251);
    LoopbackHttpServer server([&](const LoopbackRequest&) { return LoopbackAnswer::Ok(body); });

    const auto response = client.Get(Request(server.Url("/belvo/Karno-CZ-Kc.dat")));
    EXPECT_EQ(response->StatusCode(), 200);
    EXPECT_EQ(response->ContentLength(), body.size());
    EXPECT_EQ(ReadAll(*response), body);
    EXPECT_EQ(response->Read(nullptr, 0), 0u);

    const std::vector<LoopbackRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/belvo/Karno-CZ-Kc.dat");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Belvo test");
}

TEST_F(QtHttpClientTest, ErrorStatusesComeWithTheirBody)
{
    for (const int status : {400, 403, 404, 500, 503}) {
        LoopbackHttpServer server(
            [&](const LoopbackRequest&) { return LoopbackAnswer::Status(status, "Chyba", "<h1>stav</h1>"); });
        const auto response = client.Get(Request(server.Url("/x.dat")));
        EXPECT_EQ(response->StatusCode(), status);
        EXPECT_EQ(ReadAll(*response), "<h1>stav</h1>") << status;
    }
}

TEST_F(QtHttpClientTest, FollowsARedirect)
{
    LoopbackHttpServer server([](const LoopbackRequest& request) {
        if (request.target == "/old.dat") {
            LoopbackAnswer answer = LoopbackAnswer::Status(302, "Found");
            answer.headers.emplace_back("Location", "/new.dat");
            return answer;
        }
        return LoopbackAnswer::Ok("new");
    });
    const auto response = client.Get(Request(server.Url("/old.dat")));
    EXPECT_EQ(response->StatusCode(), 200);
    EXPECT_EQ(ReadAll(*response), "new");
}

// A server that wants a password: 401 with a Basic challenge until the right one arrives.
LoopbackAnswer Protected(const LoopbackRequest& request)
{
    if (request.Header("Authorization") == BasicAuthorization("jan", "heslo")) return LoopbackAnswer::Ok("tajné");
    LoopbackAnswer answer = LoopbackAnswer::Status(401, "Unauthorized", "přihlaste se");
    answer.headers.emplace_back("WWW-Authenticate", "Basic realm=\"ceniky\"");
    return answer;
}

TEST_F(QtHttpClientTest, ServerCredentialsAnswerTheChallengeOnlyWhenGiven)
{
    LoopbackHttpServer server(Protected);
    HttpRequest request = Request(server.Url("/cenik.dat"));

    auto response = client.Get(request);
    EXPECT_EQ(response->StatusCode(), 401);
    EXPECT_EQ(ReadAll(*response), "přihlaste se");

    request.serverCredentials = Credentials{"jan", "spatne"};
    response = client.Get(request);
    EXPECT_EQ(response->StatusCode(), 401) << "refused credentials give the 401 back, without a loop";

    request.serverCredentials = Credentials{"jan", "heslo"};
    response = client.Get(request);
    EXPECT_EQ(response->StatusCode(), 200);
    EXPECT_EQ(ReadAll(*response), "tajné");
}

TEST_F(QtHttpClientTest, ProxyCredentialsAnswerTheProxysChallenge)
{
    // The loopback server plays the proxy: it sees absolute addresses and asks for a password.
    LoopbackHttpServer proxy([](const LoopbackRequest& request) {
        if (request.Header("Proxy-Authorization") == BasicAuthorization("proxy", "tajne"))
            return LoopbackAnswer::Ok("přes proxy " + request.target);
        LoopbackAnswer answer = LoopbackAnswer::Status(407, "Proxy Authentication Required", "proxy chce heslo");
        answer.headers.emplace_back("Proxy-Authenticate", "Basic realm=\"proxy\"");
        return answer;
    });
    QtHttpOptions options = Quick();
    options.proxy = QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", static_cast<quint16>(proxy.Port()));
    QtHttpClient viaProxy(options);

    HttpRequest request = Request("http://ceniky.example.invalid/belvo/Karno-CZ-Kc.dat");
    auto response = viaProxy.Get(request);
    EXPECT_EQ(response->StatusCode(), 407);
    EXPECT_EQ(ReadAll(*response), "proxy chce heslo");

    request.proxyCredentials = Credentials{"proxy", "tajne"};
    response = viaProxy.Get(request);
    EXPECT_EQ(response->StatusCode(), 200);
    EXPECT_EQ(ReadAll(*response), "přes proxy http://ceniky.example.invalid/belvo/Karno-CZ-Kc.dat");
}

struct FailureCase {
    const char* name;
    LoopbackAnswer answer;
    HttpError::Stage stage;
    bool duringBody;  // the status arrives; the failure comes while reading
    std::uint64_t maxBodyBytes = 64u * 1024u * 1024u;
};

TEST_F(QtHttpClientTest, FailuresEndInTimeWithAClearStage)
{
    LoopbackAnswer silent;
    silent.behaviour = Behaviour::Silent;
    LoopbackAnswer stalled = LoopbackAnswer::Ok(std::string(5000, 'x'));
    stalled.behaviour = Behaviour::StallInBody;
    stalled.cutAfter = 100;
    LoopbackAnswer cut = stalled;
    cut.behaviour = Behaviour::CutInBody;
    LoopbackAnswer huge = LoopbackAnswer::Ok(std::string(64 * 1024, 'y'));
    huge.repeat = 1000;  // 64 MiB announced and streamed, far beyond the limit
    LoopbackAnswer garbage;
    garbage.behaviour = Behaviour::RawBytes;
    garbage.body = "HTTP/1.1 xyz Nesmysl\r\n\r\n";

    LoopbackAnswer loop = LoopbackAnswer::Status(302, "Found");
    loop.headers.emplace_back("Location", "/cenik.dat");

    const FailureCase cases[] = {
        {"endless redirects", loop, HttpError::Stage::Send, false},
        {"silent server", silent, HttpError::Stage::Send, false},
        {"body stalls", stalled, HttpError::Stage::Body, true},
        {"body cut off", cut, HttpError::Stage::Body, true},
        {"body beyond the limit", huge, HttpError::Stage::Body, true, 1'000'000},
        {"no HTTP answer", garbage, HttpError::Stage::Status, false},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackHttpServer server([&](const LoopbackRequest&) { return c.answer; });
        HttpRequest request = Request(server.Url("/cenik.dat"));
        request.maxBodyBytes = c.maxBodyBytes;
        QElapsedTimer clock;
        clock.start();
        try {
            const auto response = client.Get(request);
            ASSERT_TRUE(c.duringBody) << "status " << response->StatusCode();
            ReadAll(*response);
            ADD_FAILURE() << "the body read to its end";
        } catch (const HttpError& error) {
            EXPECT_EQ(error.GetStage(), c.stage) << error.what();
            EXPECT_THAT(error.what(), ::testing::HasSubstr("127.0.0.1"));
        }
        EXPECT_LT(clock.elapsed(), 4000);
    }
}

TEST_F(QtHttpClientTest, NoServerAndBadAddressesFailAtSending)
{
    int closedPort = 0;
    {
        LoopbackHttpServer gone([](const LoopbackRequest&) { return LoopbackAnswer::Ok(""); });
        closedPort = gone.Port();
    }
    for (const std::string& url : {"http://127.0.0.1:" + std::to_string(closedPort) + "/x.dat",
                                  std::string("ftp://127.0.0.1/x.dat"), std::string("http:///x.dat")}) {
        SCOPED_TRACE(url);
        try {
            client.Get(Request(url));
            ADD_FAILURE() << "no failure";
        } catch (const HttpError& error) {
            EXPECT_EQ(error.GetStage(), HttpError::Stage::Send) << error.what();
        }
    }
}

}  // namespace
}  // namespace belvo
