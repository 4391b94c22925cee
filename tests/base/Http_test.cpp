#include "base/Utilities.h"

#include "support/ServeurHttp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::ServeurHttp;

TEST(HttpGet, ReadsTheBodyOnTheUrlsOwnPort)
{
    ServeurHttp Serveur("  \r\nversion 7.57\r\nsecond line\n\n");
    const std::string Texte = HttpGetTexte(Serveur.Adresse() + "/checkver.php?ver=7.56");
    EXPECT_EQ(Texte, "version 7.57\r\nsecond line");
    ASSERT_EQ(Serveur.Requetes().size(), 1u);
    EXPECT_EQ(Serveur.Requetes()[0], "GET /checkver.php?ver=7.56 HTTP/1.1");

    const std::vector<std::string> Lignes = HttpGet(Serveur.Adresse() + "/x");
    EXPECT_EQ(Lignes, (std::vector<std::string>{"  ", "version 7.57", "second line", ""}));
}

TEST(HttpGet, SendsBlanksAsPercent20)
{
    ServeurHttp Serveur("ok");
    EXPECT_EQ(HttpGetTexte(Serveur.Adresse() + "/ma page.php?nom=a b"), "ok");
    ASSERT_EQ(Serveur.Requetes().size(), 1u);
    EXPECT_EQ(Serveur.Requetes()[0], "GET /ma%20page.php?nom=a%20b HTTP/1.1");
}

TEST(HttpGet, FailuresGiveFailedAndTheReason)
{
    const std::string Refus = HttpGetTexte("http://127.0.0.1:" + std::to_string(testsupport::PortLibre()) + "/");
    EXPECT_EQ(Refus.rfind("Failed : ", 0), 0u) << Refus;
    EXPECT_GT(Refus.size(), 9u);

    ServeurHttp Absent("not here", "404 Not Found");
    const std::vector<std::string> Erreur = HttpGet(Absent.Adresse() + "/checkver.php");
    ASSERT_EQ(Erreur.size(), 1u);
    EXPECT_EQ(Erreur[0].rfind("Failed : ", 0), 0u) << Erreur[0];
    EXPECT_NE(Erreur[0].find("404"), std::string::npos) << Erreur[0];

    EXPECT_EQ(HttpGetTexte("file:///etc/passwd").rfind("Failed : ", 0), 0u);
    EXPECT_EQ(HttpGetTexte("").rfind("Failed : ", 0), 0u);
}
