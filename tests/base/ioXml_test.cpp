#include "base/ioXml.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::string Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

struct Noeud {
    int Genre;
    std::string Nom;
    std::string Texte;
    bool operator==(const Noeud&) const = default;
};

std::ostream& operator<<(std::ostream& O, const Noeud& N)
{
    return O << "{" << N.Genre << ", \"" << N.Nom << "\", \"" << N.Texte << "\"}";
}

std::vector<Noeud> TousLesNoeuds(TXmlReader& R)
{
    std::vector<Noeud> V;
    for (int G = R.LitNoeud();; G = R.LitNoeud()) {
        V.push_back({G, R.GetNom(), R.GetTexte()});
        if (G == XML_FIN)
            break;
    }
    return V;
}

std::vector<Noeud> Noeuds(std::string_view Document)
{
    TXmlStreamReader R(Document);
    return TousLesNoeuds(R);
}

} // namespace

// --- Writer -------------------------------------------------------------------

TEST(XmlWriter, WritesOneElementPerLineWithIndentationAndCrLf)
{
    std::string S;
    {
        TXmlMemoryStreamWriter W(S, true);
        W.EcritLigne("<!DOCTYPE Brevalune>");
        W.OuvreElement("Brevalune");
        W.AjouteAttribut("Type", "Saison");
        W.AjouteAttribut("Vide", "");
        W.AjouteAttribut("Force", "", true);
        W.OuvreElement("Equipes");
        W.EcritElement("Nom", "a<b & c>");
        W.EcritElement("Absent", "");
        W.EcritElement("Vide", "", true);
        W.EcritElementInt("Zero", 0);
        W.EcritElementInt("Negatif", -12);
        W.EcritElementBool("Oui", true);
        W.EcritElementBool("Non", false);
        W.FermeElement("Equipes");
        W.OuvreElement("StatChamps");
        W.OuvreElement("StatChampNom", "Ligue 1");
        W.AjouteAttributInt("Id", 7);
        W.FermeElement("StatChampNom");
        // Not open: nothing happens.
        W.FermeElement("Inconnu");
    } // the destructor closes StatChamps and Brevalune
    EXPECT_EQ(S, Declaration + "<!DOCTYPE Brevalune>\r\n"
                               "<Brevalune Type=\"Saison\" Force=\"\">\r\n"
                               "  <Equipes>\r\n"
                               "    <Nom>a#1#b #0# c#2#</Nom>\r\n"
                               "    <Vide />\r\n"
                               "    <Zero>0</Zero>\r\n"
                               "    <Negatif>-12</Negatif>\r\n"
                               "    <Oui>1</Oui>\r\n"
                               "    <Non>0</Non>\r\n"
                               "  </Equipes>\r\n"
                               "  <StatChamps>\r\n"
                               "    <StatChampNom Id=\"7\">Ligue 1\r\n"
                               "    </StatChampNom>\r\n"
                               "  </StatChamps>\r\n"
                               "</Brevalune>\r\n");
}

TEST(XmlWriter, FermeElementClosesEverythingOpenedAfterTheName)
{
    std::string S;
    TXmlMemoryStreamWriter W(S, false);
    W.OuvreElement("A");
    W.OuvreElement("B");
    W.OuvreElement("C");
    W.EcritElement("D", "x");
    W.FermeElement("B");
    EXPECT_EQ(W.Profondeur(), 1u);
    W.EcritElement("E", "y");
    W.FermeJusqua(0);
    EXPECT_EQ(S, "<A>\r\n  <B>\r\n    <C>\r\n      <D>x</D>\r\n    </C>\r\n  </B>\r\n  <E>y</E>\r\n</A>\r\n");
}

TEST(XmlWriter, ClosingAPendingStartTagWritesTheStartTagFirst)
{
    std::string S;
    {
        TXmlMemoryStreamWriter W(S, false);
        W.OuvreElement("Racine");
        W.OuvreElement("Liste");
        W.AjouteAttribut("N", "1");
    }
    EXPECT_EQ(S, "<Racine>\r\n  <Liste N=\"1\">\r\n  </Liste>\r\n</Racine>\r\n");
}

TEST(XmlWriter, QuotesInAttributeValues)
{
    std::string S;
    TXmlMemoryStreamWriter W(S, false);
    W.OuvreElement("A");
    W.AjouteAttribut("d", "dit \"oui\"");
    W.AjouteAttribut("s", "l'autre");
    W.AjouteAttribut("b", "l'a \"dit\"");
    W.TermineBalise();
    EXPECT_EQ(S, "<A d='dit \"oui\"' s=\"l'autre\" b=\"l'a #3#dit#3#\">\r\n");
}

TEST(XmlWriter, FileWriterWritesTheSameBytes)
{
    testsupport::TempDir Dir;
    const std::string Nom = (Dir / "a.xml").string();
    {
        TXmlWriter W(Nom);
        ASSERT_TRUE(W.EstOuvert());
        W.OuvreElement("A");
        W.EcritElement("B", "x");
        EXPECT_TRUE(W.Ferme());
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Dir / "a.xml"), Declaration + "<A>\r\n  <B>x</B>\r\n</A>\r\n");

    TXmlWriter Impossible((Dir / "absent" / "b.xml").string());
    EXPECT_FALSE(Impossible.EstOuvert());
    Impossible.EcritElement("B", "x");
    EXPECT_FALSE(Impossible.Ferme());
}

// --- Escapes ------------------------------------------------------------------

TEST(XmlEscapes, EncodeAndDecode)
{
    EXPECT_EQ(EncodeXml("a<b & c>"), "a#1#b #0# c#2#");
    EXPECT_EQ(DecodeXml("a#1#b #0# c#2#"), "a<b & c>");
    // One pass: the "1#" after an escaped "&" is not taken for an escape.
    EXPECT_EQ(EncodeXml("&1#"), "#0#1#");
    EXPECT_EQ(DecodeXml("#0#1#"), "&1#");
    // A "#" that would start an escape is itself escaped; others stay as they are.
    EXPECT_EQ(EncodeXml("#1#Mon titre"), "#4#1#Mon titre");
    EXPECT_EQ(DecodeXml("#4#1#Mon titre"), "#1#Mon titre");
    EXPECT_EQ(EncodeXml("#1<"), "#4#1#1#");
    EXPECT_EQ(EncodeXml("# #1 #5# ## #12"), "# #1 #5# ## #12");
    EXPECT_EQ(EncodeXml("#3\"", false), "#3\"");
    EXPECT_EQ(EncodeXml("#3\"", true), "#4#3#3#");
    // An old file's literal "#1#" reads as "<".
    EXPECT_EQ(DecodeXml("x#1#y"), "x<y");
    EXPECT_EQ(DecodeXml("#5# #1 #"), "#5# #1 #");
}

// --- Reader -------------------------------------------------------------------

TEST(XmlReader, NodeKinds)
{
    const std::string Doc = Declaration + "<!DOCTYPE Brevalune>\r\n"
                                          "<Brevalune Type=\"Saison\">\r\n"
                                          "  <Equipes />\r\n"
                                          "  <Vide></Vide>\r\n"
                                          "  <Ouvert>\r\n"
                                          "  </Ouvert>\r\n"
                                          "  <Nom>  Lyon </Nom>\r\n"
                                          "  <Parent>\r\n"
                                          "    <Feuille>x#1#y</Feuille>\r\n"
                                          "  </Parent>\r\n"
                                          "  <StatChampNom Id=\"7\">Ligue 1\r\n"
                                          "  </StatChampNom>\r\n"
                                          "</Brevalune>\r\n";
    const std::vector<Noeud> Attendu = {{XML_COMPLET, "xml", ""},
                                        {XML_COMPLET, "Brevalune", ""},
                                        {XML_OUVRANT, "Brevalune", ""},
                                        {XML_COMPLET, "Equipes", ""},
                                        {XML_COMPLET, "Vide", ""},
                                        {XML_COMPLET, "Ouvert", ""},
                                        {XML_COMPLET, "Nom", "Lyon "},
                                        {XML_OUVRANT, "Parent", ""},
                                        {XML_COMPLET, "Feuille", "x<y"},
                                        {XML_FERMANT, "", ""},
                                        {XML_COMPLET, "StatChampNom", "Ligue 1   "},
                                        {XML_FERMANT, "", ""},
                                        {XML_FIN, "", ""}};
    EXPECT_EQ(Noeuds(Doc), Attendu);
    // Line ends of LF only: the same nodes.
    std::string Lf = Doc;
    for (size_t P; (P = Lf.find("\r\n")) != std::string::npos;)
        Lf.replace(P, 2, "\n");
    std::vector<Noeud> AttenduLf = Attendu;
    AttenduLf[10].Texte = "Ligue 1\n  ";
    EXPECT_EQ(Noeuds(Lf), AttenduLf);
    // Once the data has ended, it stays ended.
    TXmlStreamReader R(Doc);
    while (R.LitNoeud() != XML_FIN) {
    }
    EXPECT_EQ(R.LitNoeud(), XML_FIN);
}

TEST(XmlReader, TruncatedAndMalformedInputEndsTheData)
{
    const std::string Debut = "<A>\r\n  <B>x</B>\r\n";
    // Cut at every byte: never a crash, always an end.
    const std::string Complet = Debut + "  <C n=\"1\">texte</C>\r\n</A>\r\n";
    for (size_t N = 0; N <= Complet.size(); ++N) {
        std::vector<Noeud> V = Noeuds(Complet.substr(0, N));
        ASSERT_FALSE(V.empty());
        EXPECT_EQ(V.back().Genre, XML_FIN);
        EXPECT_LE(V.size(), 6u);
    }
    EXPECT_EQ(Noeuds(Debut + "  <C>tex").back(), (Noeud{XML_FIN, "", ""}));
    EXPECT_EQ(Noeuds("texte").front().Genre, XML_FIN);
    EXPECT_EQ(Noeuds("").front().Genre, XML_FIN);
    EXPECT_EQ(Noeuds("<A>x</A").front().Genre, XML_FIN);
    // A stream whose last line has no CR LF still yields it.
    EXPECT_EQ(Noeuds("<A>\r\n<B>x</B>"),
              (std::vector<Noeud>{{XML_OUVRANT, "A", ""}, {XML_COMPLET, "B", "x"}, {XML_FIN, "", ""}}));
    // A self-closing element is whole even at the very end of the data.
    EXPECT_EQ(Noeuds("<Equipes />").front(), (Noeud{XML_COMPLET, "Equipes", ""}));
    EXPECT_EQ(Noeuds("<Equipes/>").front(), (Noeud{XML_COMPLET, "Equipes", ""}));
}

TEST(XmlReader, Attributes)
{
    TXmlStreamReader R("<A x=\"1\" y='a\"b' z=plain w = \"a#1#b #0# c\" b=\"l'a #3#dit#3#\"/>");
    ASSERT_EQ(R.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(R.GetAttribut("x"), "1");
    EXPECT_EQ(R.GetAttribut("X"), "1");
    EXPECT_EQ(R.GetAttribut("y"), "a\"b");
    EXPECT_EQ(R.GetAttribut("z"), "plain");
    EXPECT_EQ(R.GetAttribut("w"), "a<b & c");
    EXPECT_EQ(R.GetAttributBrut("w"), "a#1#b #0# c");
    EXPECT_EQ(R.GetAttribut("b"), "l'a \"dit\"");
    EXPECT_EQ(R.GetAttribut("absent"), "");

    // A remainder without "=" or with an unclosed quote ends the attributes.
    TXmlStreamReader S("<A x=\"1\" y><B v=\"ouvert>t</B></A>");
    ASSERT_EQ(S.LitNoeud(), XML_OUVRANT);
    EXPECT_EQ(S.GetAttribut("x"), "1");
    EXPECT_EQ(S.GetAttribut("y"), "");
    ASSERT_EQ(S.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(S.GetAttribut("v"), "");
    EXPECT_EQ(S.GetTexte(), "t");
    EXPECT_EQ(S.LitNoeud(), XML_FERMANT);
}

TEST(XmlReader, TexteInt)
{
    TXmlStreamReader R("<R><a>42</a><b>-7</b><c>4x</c><d></d><e>99999999999</e></R>");
    ASSERT_EQ(R.LitNoeud(), XML_OUVRANT);
    std::vector<int> V;
    while (R.LitNoeud() == XML_COMPLET)
        V.push_back(R.GetTexteInt());
    EXPECT_EQ(V, (std::vector<int>{42, -7, 0, 0, 0}));
}

TEST(XmlReader, SauteElementSkipsChildrenWhole)
{
    TXmlStreamReader R("<R><X><Y><Z>1</Z></Y><W /></X><Nom>n</Nom></R>");
    ASSERT_EQ(R.LitNoeud(), XML_OUVRANT);
    int G = R.LitNoeud();
    ASSERT_EQ(R.GetNom(), "X");
    R.SauteElement(G);
    ASSERT_EQ(R.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(R.GetNom(), "Nom");
    // Skipping into truncated data ends without looping.
    TXmlStreamReader T("<R><X><Y><Y><Y>");
    ASSERT_EQ(T.LitNoeud(), XML_OUVRANT);
    T.SauteElement(XML_OUVRANT);
    EXPECT_EQ(T.LitNoeud(), XML_FIN);
}

TEST(XmlReader, Windows1252Input)
{
    // "Équipe" and "cœur" in Windows-1252 bytes, with "€" in an attribute.
    TXmlStreamReader R("<A p=\"5\x80\"><N>\xC9quipe c\x9Cur</N></A>");
    ASSERT_EQ(R.LitNoeud(), XML_OUVRANT);
    EXPECT_EQ(R.GetAttribut("p"), "5\u20AC");
    ASSERT_EQ(R.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(R.GetTexte(), "\u00C9quipe c\u0153ur");
    // Valid UTF-8 is kept as it is.
    TXmlStreamReader U("\xEF\xBB\xBF<N>\u00C9quipe</N>");
    ASSERT_EQ(U.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(U.GetTexte(), "\u00C9quipe");
}

TEST(XmlReader, StreamReaderJoinsOnlyCrLfInValuesAndKeepsTheNameOfTheParent)
{
    const std::string Doc =
        "<Parent v=\"a\r\nb\">\r\n  <EnfantAuNomTresLong>x\r\ny\nz\r</EnfantAuNomTresLong>\r\n</Parent>";
    TXmlStreamReader R(Doc);
    ASSERT_EQ(R.LitNoeud(), XML_OUVRANT);
    EXPECT_EQ(R.GetAttribut("v"), "a b");
    EXPECT_EQ(R.GetAttributBrut("v"), "a b");
    const std::string_view Parent = R.GetNomVue();
    ASSERT_EQ(R.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(R.GetNomVue(), "EnfantAuNomTresLong");
    EXPECT_EQ(R.GetTexte(), "x y\nz\r");
    // The parent's name is still readable once a longer name was read.
    EXPECT_EQ(Parent, "Parent");
    EXPECT_EQ(R.LitNoeud(), XML_FERMANT);
    EXPECT_EQ(R.GetNomVue(), "");
}

TEST(XmlReader, FileReaderJoinsLinesOfEveryKind)
{
    testsupport::TempDir Dir;
    testsupport::WriteWholeFile(Dir / "a.xml", "<A>\r\n<B>x\ny\rz</B>\n</A>");
    TXmlReader R((Dir / "a.xml").string());
    EXPECT_TRUE(R.EstOuvert());
    EXPECT_EQ(TousLesNoeuds(R),
              (std::vector<Noeud>{
                  {XML_OUVRANT, "A", ""}, {XML_COMPLET, "B", "x y z"}, {XML_FERMANT, "", ""}, {XML_FIN, "", ""}}));
    TXmlReader Absent((Dir / "absent.xml").string());
    EXPECT_FALSE(Absent.EstOuvert());
    EXPECT_EQ(Absent.LitNoeud(), XML_FIN);
}

// --- Round trip -----------------------------------------------------------------

TEST(XmlRoundTrip, PartCases)
{
    const std::string Valeur = "a<b & c";
    std::string S;
    {
        TXmlMemoryStreamWriter W(S, true);
        W.OuvreElement("R");
        W.AjouteAttribut("v", Valeur);
        W.EcritElement("T", Valeur);
        W.EcritElement("D", "#1#Mon titre");
    }
    TXmlStreamReader R(S);
    ASSERT_EQ(R.LitNoeud(), XML_COMPLET);
    ASSERT_EQ(R.LitNoeud(), XML_OUVRANT);
    EXPECT_EQ(R.GetAttribut("v"), Valeur);
    ASSERT_EQ(R.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(R.GetTexte(), Valeur);
    ASSERT_EQ(R.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(R.GetTexte(), "#1#Mon titre");
}

TEST(XmlRoundTrip, RandomTextsOverTheEscapeCharacters)
{
    const std::string Alphabet = "#01234&<>\"'ab";
    std::mt19937 Gen(20261209);
    std::uniform_int_distribution<size_t> Car(0, Alphabet.size() - 1);
    std::uniform_int_distribution<size_t> Long(0, 12);
    for (int Essai = 0; Essai < 3000; ++Essai) {
        std::string T;
        for (size_t N = Long(Gen); N > 0; --N)
            T += Alphabet[Car(Gen)];
        std::string S;
        {
            TXmlMemoryStreamWriter W(S, false);
            W.OuvreElement("R");
            W.AjouteAttribut("v", T, true);
            W.AjouteAttribut("w", "x");
            W.EcritElement("T", T, true);
        }
        TXmlStreamReader R(S);
        ASSERT_EQ(R.LitNoeud(), XML_OUVRANT) << S;
        EXPECT_EQ(R.GetAttribut("v"), T) << S;
        EXPECT_EQ(R.GetAttribut("w"), "x") << S;
        ASSERT_EQ(R.LitNoeud(), XML_COMPLET) << S;
        EXPECT_EQ(R.GetTexte(), T) << S;
        EXPECT_EQ(R.LitNoeud(), XML_FERMANT) << S;
    }
}
