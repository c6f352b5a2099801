// Renders generated pages in headless Chromium and reads back what its DOM
// holds: the forms as the browser would submit them, the selection lists,
// links, and whether visitors' values stayed text.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "HtmlFixture.h"
#include "html/PageGenerators.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {

const char* const kChromium = "/usr/bin/chromium";

// Appended to a copy of a page: describes the DOM in lines, percent-encoded
// so that the DOM dump carries it unchanged.
const char* const kProbe = R"(<script>
(function () {
  var out = [];
  document.querySelectorAll('form').forEach(function (f, i) {
    var pairs = [];
    new FormData(f).forEach(function (v, k) { pairs.push(k + '=' + v); });
    out.push('FORM name=' + f.getAttribute('name') + ' method=' + f.getAttribute('method') +
             ' action=' + f.getAttribute('action') + ' | ' + pairs.join('&'));
  });
  document.querySelectorAll('select').forEach(function (s) {
    out.push('SELECT ' + s.name + ': ' + Array.from(s.options).map(function (o) {
      return o.value + (o.selected ? '*' : ''); }).join('|'));
  });
  document.querySelectorAll('a[href]').forEach(function (a) {
    out.push('A ' + a.getAttribute('href') + ' ' + a.textContent + ' ' + a.childElementCount);
  });
  document.querySelectorAll('h1').forEach(function (h) { out.push('H1 ' + h.textContent + ' ' + h.querySelectorAll('*').length); });
  document.querySelectorAll('img').forEach(function (i) { out.push('IMG ' + i.getAttribute('src') + ' ' + i.attributes.length); });
  out.push('SCRIPTS ' + document.scripts.length);
  var pre = document.createElement('pre');
  pre.id = 'probe';
  pre.textContent = encodeURIComponent(out.join('\n'));
  document.body.appendChild(pre);
})();
</script>)";

std::string PercentDecode(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// Loads a file in a fresh headless Chromium; returns the DOM after its scripts ran.
std::string DumpDom(const std::filesystem::path& file) {
    TempDir profile;
    std::string cmd = std::string(kChromium) +
                      " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
                      " --disable-background-networking --disable-component-update --disable-sync"
                      " --user-data-dir=" +
                      profile.path().string() + " --virtual-time-budget=3000 --dump-dom 'file://" + file.string() +
                      "' 2>/dev/null";
    std::string dom;
    if (FILE* f = ::popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) dom.append(buf, n);
        ::pclose(f);
    }
    return dom;
}

// The probe's lines for one page, as Chromium saw it.
std::vector<std::string> Render(const Site& s, const std::string& page) {
    std::string probeName = "probe-" + page;
    s.dir.write("HTML/" + probeName, s.page(page) + kProbe);
    std::string dom = DumpDom(s.path() / "HTML" / probeName);
    std::size_t start = dom.find("<pre id=\"probe\">");
    std::size_t end = dom.find("</pre>", start);
    if (start == std::string::npos || end == std::string::npos) {
        ADD_FAILURE() << "no probe output for " << page << ":\n" << dom.substr(0, 2000);
        return {};
    }
    start += 16;
    std::vector<std::string> lines;
    std::istringstream in(PercentDecode(dom.substr(start, end - start)));
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// The form sink of form_sink.py, run with the system's Python on 127.0.0.1.
class FormSink {
public:
    explicit FormSink(std::filesystem::path out) : out_(std::move(out)) {
        const char* source = std::getenv("GAVLIN_SOURCE_DIR");
        std::string script = std::string(source ? source : ".") + "/tests/html/form_sink.py";
        int fds[2];
        if (::pipe(fds) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::string outPath = out_.string();
        char* argv[] = {const_cast<char*>("/usr/bin/python3"), script.data(), outPath.data(), nullptr};
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        char buf[16] = {};
        std::size_t got = 0;
        while (got < sizeof buf - 1) {
            ssize_t r = ::read(fds[0], buf + got, 1);
            if (r <= 0 || buf[got] == '\n') break;
            ++got;
        }
        ::close(fds[0]);
        port_ = std::atoi(buf);
    }
    ~FormSink() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    int port() const { return port_; }
    std::string received() const {
        std::ifstream f(out_, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }

private:
    std::filesystem::path out_;
    pid_t pid_ = -1;
    int port_ = 0;
};

class Browser : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << "chromium is not installed";
    }
};

// Two sites: one without any template files, one with all of them.
void Populate(const Site& s, bool templates) {
    if (templates) {
        const char* head = "<HTML><HEAD><TITLE>Auctions</TITLE></HEAD>\n<BODY bgcolor=white>\n<h2>Our site</h2>";
        const char* foot = "<p>Thanks</p>\r\n</BODY></HTML>\r\n";
        for (const char* name : {"mainhead.htm", "reghead.htm", "itemhead.htm", "cathead.htm"}) s.dir.write(name, head);
        for (const char* name : {"mainfoot.htm", "regfoot.htm", "itemfoot.htm", "catfoot.htm"}) s.dir.write(name, foot);
    }
    s.add(Category(" Antiques", "cathead.htm", "catfoot.htm", "<i>Sponsor</i>"));
    s.add(Category("Books & Maps", "cathead.htm", "catfoot.htm"));
    AuctionRecord a = Item("abcdefgh.htm", "Antiques", "Clock");
    a.HighPrice = "25";
    a.HighBidder = "ann@example.com";
    a.HighDate = "12-05-1998";
    a.HighTime = "13";
    AuctionRecord hostile = Item("hostilea.htm", "antiques", "<script>alert(1)</script>");
    hostile.ImageURL = "x\" onerror=\"alert(2)";
    hostile.Description = "<img src=x onerror=alert(3)>";
    s.add(a);
    s.add(hostile);
    s.add(User("Ann", "ann@example.com"));
}

std::vector<std::string> Matching(const std::vector<std::string>& lines, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& l : lines)
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

}  // namespace

TEST_F(Browser, FormsAndPagesAsChromiumReadsThem) {
    for (bool templates : {false, true}) {
        SCOPED_TRACE(templates ? "with templates" : "without templates");
        Site s;
        Populate(s, templates);
        RecordingProgress p;
        RecordingMessenger m;
        ASSERT_EQ(RunPageCommand(PageCommand::All, s.path(), p, m), PageResult::Finished);

        auto item = Render(s, "abcdefgh.htm");
        EXPECT_EQ(Matching(item, "FORM"),
                  (std::vector<std::string>{"FORM name=null method=null action=null | ",
                                            "FORM name=mailto  method=post action=mailto:auctions@example.com | "
                                            "GAVLIN=NEWBID&IDENTIFICATION=abcdefgh.htm&EMAIL=&PASSWORD=&ITEMBID=26"}));
        EXPECT_EQ(Matching(item, "A "), std::vector<std::string>{"A register.htm REGISTERED 0"});
        EXPECT_EQ(Matching(item, "SCRIPTS"), std::vector<std::string>{"SCRIPTS 1"});

        auto hostile = Render(s, "hostilea.htm");
        EXPECT_EQ(Matching(hostile, "H1"), std::vector<std::string>{"H1 <script>alert(1)</script> 1"});
        EXPECT_EQ(Matching(hostile, "IMG"), std::vector<std::string>{"IMG x\" onerror=\"alert(2) 1"});
        EXPECT_EQ(Matching(hostile, "SCRIPTS"), std::vector<std::string>{"SCRIPTS 1"});
        EXPECT_EQ(Matching(hostile, "FORM name=mailto").size(), 1u);
        EXPECT_NE(Matching(hostile, "FORM name=mailto")[0].find("IDENTIFICATION=hostilea.htm&"), std::string::npos);
        EXPECT_NE(Matching(hostile, "FORM name=mailto")[0].find("ITEMBID=11"), std::string::npos);

        auto category = Render(s, "cat1.htm");
        EXPECT_EQ(Matching(category, "A "),
                  (std::vector<std::string>{"A abcdefgh.htm Clock 0", "A hostilea.htm <script>alert(1)</script> 0",
                                            "A gavlin.htm Return to Main Menu 0"}));
        EXPECT_EQ(Matching(category, "SCRIPTS"), std::vector<std::string>{"SCRIPTS 1"});

        auto menu = Render(s, "gavlin.htm");
        EXPECT_EQ(Matching(menu, "A "),
                  (std::vector<std::string>{"A cat1.htm Antiques 0", "A cat2.htm Books & Maps 0",
                                            "A register.htm Register 0", "A inform.htm Sell an Item 0"}));

        auto reg = Render(s, "register.htm");
        EXPECT_EQ(Matching(reg, "FORM"),
                  std::vector<std::string>{"FORM name=mailto method=post action=mailto:auctions@example.com | "
                                           "GAVLIN=REGISTER&ALIAS=&EMAIL=&PASSWORD=&REALNAME=&ADDRESS=&CITY=&"
                                           "STATE=&ZIP=&COUNTRY=&PHONE="});

        auto inform = Render(s, "inform.htm");
        EXPECT_EQ(Matching(inform, "FORM"),
                  std::vector<std::string>{"FORM name=mailto method=post action=mailto:auctions@example.com | "
                                           "GAVLIN=NEWAUCTION&EMAIL=&PASSWORD=&CATEGORY=Antiques&ITEMNAME=&"
                                           "IMAGEURL=&DESCRIPTION=&MINBID=&ENDMONTH=01&ENDDAY=01&ENDYEAR=&ENDTIME=00"});
        std::string days = "SELECT ENDDAY: 01*", hours = "SELECT ENDTIME: 00*";
        for (int d = 2; d <= 31; ++d) days += "|" + std::string(d < 10 ? "0" : "") + std::to_string(d);
        for (int h = 1; h <= 23; ++h) hours += "|" + std::string(h < 10 ? "0" : "") + std::to_string(h);
        EXPECT_EQ(Matching(inform, "SELECT"),
                  (std::vector<std::string>{"SELECT CATEGORY: Antiques*|Books & Maps",
                                            "SELECT ENDMONTH: 01*|02|03|04|05|06|07|08|09|10|11|12", days, hours}));
    }
}

// What a visitor's browser really sends from the bid form: the copy of the
// page points the form at a local sink, fills it in and submits it.
TEST_F(Browser, BidFormPostsItsFields) {
    if (!std::filesystem::exists("/usr/bin/python3")) GTEST_SKIP() << "python3 is not installed";
    Site s;
    Populate(s, false);
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeItemPages(s.path(), p, m), PageResult::Finished);
    FormSink sink(s.path() / "posted.txt");
    ASSERT_GT(sink.port(), 0);
    std::string submit =
        "<script>var f = document.forms[1];\n"
        "f.action = 'http://127.0.0.1:" +
        std::to_string(sink.port()) +
        "/';\n"
        "f.enctype = 'application/x-www-form-urlencoded';\n"
        "f.EMAIL.value = 'ann@example.com';\n"
        "f.PASSWORD.value = 'p w&=';\n"
        "f.submit();</script>";
    s.dir.write("HTML/submit.htm", s.page("abcdefgh.htm") + submit);
    DumpDom(s.path() / "HTML/submit.htm");
    EXPECT_EQ(sink.received(),
              "application/x-www-form-urlencoded "
              "GAVLIN=NEWBID&IDENTIFICATION=abcdefgh.htm&EMAIL=ann%40example.com&PASSWORD=p+w%26%3D&ITEMBID=26\n");
}
