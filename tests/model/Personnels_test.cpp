#include <gtest/gtest.h>

#include <limits>

#include "FauxContexte.h"

namespace {

std::unique_ptr<TPersonnelStat> Arbitre(const std::string& nom, const std::string& prenom, int id = -1)
{
    return std::make_unique<TPersonnelStat>(nom, prenom, 0, id);
}

} // namespace

TEST(TPersonnel, NamesAndLabel)
{
    TListePays pays;
    pays.Ajoute("France");
    TPersonnel p("Dupont", "", 30, 1);
    EXPECT_EQ(p.GetNomComplet(), "Dupont");
    // Without a first name, no blank before the surname either way round.
    EXPECT_EQ(p.GetPrenomNom(), "Dupont");
    p.CodePays = 0;
    EXPECT_EQ(p.GetLibelle(&pays, false), "Dupont (France)");
    p.CodePays = 65535;
    p.Prenom = "Jean";
    EXPECT_EQ(p.GetNomComplet(), "Dupont Jean");
    EXPECT_EQ(p.GetPrenomNom(), "Jean Dupont");
    EXPECT_EQ(p.GetLibelle(&pays), "Dupont Jean");
    p.CodePays = 0;
    EXPECT_EQ(p.GetLibelle(&pays, false), "Jean Dupont (France)");
    EXPECT_EQ(p.GetLibelle(nullptr), "Dupont Jean");
}

TEST(TPersonnelStat, RecordsTotalsAndClearing)
{
    TPersonnelStat a("A", "", 0, 1);
    a.SetMatchs(1, 3);
    a.SetStat(2, 1, 4); // creates the record of key 2 with 0 appearances
    a.SetAvertissements(1, 2);
    a.SetExpulsions(2, 1);
    EXPECT_EQ(a.GetMatchs(2), 0);
    EXPECT_EQ(a.TotalMatchs(), 3);
    EXPECT_EQ(a.NbButTotal(), 4);
    EXPECT_EQ(a.GetStat(1, 7), 0);
    EXPECT_EQ(a.TotalAvertissements() + a.TotalExpulsions(), 3);
    EXPECT_EQ(a.GetExpulsions(9), 0);

    a.VideStats(false);
    EXPECT_EQ(a.TotalMatchs(), 3);
    EXPECT_EQ(a.NbButTotal(), 0);
    EXPECT_EQ(a.TotalAvertissements(), 0);
    a.VideStats(true);
    EXPECT_EQ(a.TotalMatchs(), 0);
    EXPECT_EQ(a.NbListesStat(), 0);
}

TEST(TPersonnels, IdsOrderAndDuplicates)
{
    TPersonnels staff;
    EXPECT_EQ(staff.Ajoute(nullptr), -1);
    staff.Ajoute(Arbitre("Martin", "Paul"));     // id 1
    staff.Ajoute(Arbitre("Bernard", "Luc", 10)); // raises the highest id
    staff.Ajoute(Arbitre("Zidane", "Ali"));      // 11
    staff.Ajoute(Arbitre("Azur", "Zoé", 0));     // 0 stays 0
    ASSERT_EQ(staff.Nombre(), 4);
    EXPECT_EQ(staff.Get(0)->Nom, "Azur");
    EXPECT_EQ(staff.Get(0)->Numero, 0);
    EXPECT_EQ(staff.Get(3)->Numero, 11);
    EXPECT_EQ(staff.Get(4), nullptr);

    TListeRenumerotation renum;
    const int i = staff.Ajoute(Arbitre("MARTIN", "paul", 42), &renum);
    EXPECT_EQ(staff.Nombre(), 4);
    EXPECT_EQ(staff.Get(i)->Numero, 1);
    ASSERT_EQ(renum.size(), 1u);
    EXPECT_EQ(renum[0], (TRenumerotation{42, 1}));

    // A newcomer without an id names nobody: no pair for it.
    staff.Ajoute(Arbitre("Martin", "Paul"), &renum);
    staff.Ajoute(Arbitre("Martin", "Paul", 0), &renum);
    EXPECT_EQ(renum.size(), 1u);

    // Lookups: by id, by folded surname, by country.
    EXPECT_EQ(staff.ChercheId(10)->Nom, "Bernard");
    EXPECT_EQ(staff.ChercheId(99), nullptr);
    EXPECT_EQ(staff.ChercheNom("MARTIN", "paul"), staff.Get(i));
    EXPECT_EQ(staff.ChercheNom("Martin", "Pierre"), nullptr);
    staff.Get(0)->CodePays = 3;
    EXPECT_TRUE(staff.PaysUtilise(3));
    EXPECT_EQ(staff.ListePays(3).size(), 1u);
    EXPECT_EQ(staff.Liste().size(), 4u);

    auto retire = staff.Retire(staff.Get(0));
    ASSERT_TRUE(retire);
    EXPECT_EQ(staff.Nombre(), 3);
    EXPECT_EQ(staff.Retire(retire.get()), nullptr);
}

TEST(TPersonnels, IdsBeyondTheNumberingAreRenumberedAndNeverOverflow)
{
    const int plusGrand = std::numeric_limits<int>::max();
    TPersonnels staff;
    staff.Ajoute(Arbitre("Martin", "Paul", plusGrand));
    EXPECT_EQ(staff.ChercheId(1)->Nom, "Martin");
    staff.Ajoute(Arbitre("Bernard", "Luc", plusGrand - 1));
    staff.Ajoute(Arbitre("Zidane", "Ali")); // nothing above: the lowest free id
    EXPECT_EQ(staff.ChercheId(2)->Nom, "Zidane");
    EXPECT_EQ(staff.GetMaxId(), plusGrand - 1);
}

TEST(TPersonnels, NamesakesOrderedDeterministically)
{
    TPersonnels staff;
    staff.Ajoute(Arbitre("Émile", "B"));
    staff.Ajoute(Arbitre("Dupont", "A"));
    staff.Ajoute(Arbitre("emile", "A"));
    EXPECT_EQ(staff.Get(0)->Nom, "Dupont");
    EXPECT_EQ(staff.Get(1)->Prenom, "A");
    EXPECT_EQ(staff.Get(2)->Prenom, "B");
}

TEST(TListePays, LookupsAndEmptyNames)
{
    TListePays pays;
    EXPECT_EQ(pays.Ajoute(""), -1);
    EXPECT_EQ(pays.Ajoute("Côte d'Ivoire"), 0);
    EXPECT_EQ(pays.IndexNom("COTE D'IVOIRE"), 65535); // exact only
    EXPECT_EQ(pays.Cherche("COTE D'IVOIRE"), 0);      // folded
    EXPECT_EQ(pays.IndexNom("Brésil"), 65535);
    EXPECT_EQ(pays.Nombre(), 1);          // IndexNom adds nothing
    EXPECT_EQ(pays.Cherche("Brésil"), 1); // Cherche appends
    EXPECT_EQ(pays.Cherche(""), 65535);
    EXPECT_EQ(pays.GetNom(5), "");
    pays.SetNom(5, "x");
    EXPECT_EQ(pays.Nombre(), 2);

    // An empty name in the middle keeps the codes after it.
    pays.SetNom(0, "");
    pays.Ajoute("Brésil");
    EXPECT_EQ(pays.IndexNom("Brésil"), 2); // the last one

    const std::string xml = EcritXml([&](TXmlWriter& w) { pays.SaveToXml(w); });
    EXPECT_EQ(xml, "<ListePays>\r\n  <Nom />\r\n  <Nom>Brésil</Nom>\r\n  <Nom>Brésil</Nom>\r\n</ListePays>\r\n");
    TLecteurSur l(xml);
    TListePays relue;
    relue.LoadFromXml(l.Lecteur);
    ASSERT_EQ(relue.Nombre(), 3);
    EXPECT_EQ(relue.GetNom(0), "");
    EXPECT_EQ(relue.GetNom(1), "Brésil");

    TListeTextes liste{{"old", 9}};
    relue.RemplitListe(liste);
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[2], (TTexteObjet{"Brésil", 2}));
}

TEST(TEntraineur, XmlInBothStyles)
{
    TFauxContexte saison;
    saison.Equipes[4] = "Olympique Lyonnais";
    saison.Pays.Ajoute("France");
    TEntraineur e("Garde", "Rémi", 45, 3);
    e.CodePays = 0;
    e.ClubActuel = 4;
    e.ClubPrec = 2;

    const std::string parNom = EcritXml([&](TXmlWriter& w) { e.SaveToXml(w, 65535, &saison); });
    EXPECT_EQ(parNom, "<Entraineur>\r\n  <Nom>Garde</Nom>\r\n  <Prenom>Rémi</Prenom>\r\n  <Age>45</Age>\r\n"
                      "  <CodePays2>France</CodePays2>\r\n  <Numero>3</Numero>\r\n"
                      "  <ClubActuel2>Olympique Lyonnais</ClubActuel2>\r\n  <ClubPrec>2</ClubPrec>\r\n"
                      "</Entraineur>\r\n");
    const std::string parNumero = EcritXml([&](TXmlWriter& w) { e.SaveToXml(w, 7, nullptr); });
    EXPECT_EQ(parNumero, "<Entraineur ID=\"7\">\r\n  <Nom>Garde</Nom>\r\n  <Prenom>Rémi</Prenom>\r\n"
                         "  <Age>45</Age>\r\n  <CodePays>0</CodePays>\r\n  <Numero>3</Numero>\r\n"
                         "  <ClubActuel>4</ClubActuel>\r\n  <ClubPrec>2</ClubPrec>\r\n</Entraineur>\r\n");

    for (const std::string& xml : {parNom, parNumero}) {
        TLecteurSur l(xml);
        TEntraineur relu;
        relu.LoadFromXml(l.Lecteur, &saison);
        EXPECT_EQ(EcritXml([&](TXmlWriter& w) { relu.SaveToXml(w, 65535, &saison); }), parNom);
    }

    // A team or a country the season does not know is left unset.
    TFauxContexte autre;
    TLecteurSur l(parNom);
    TEntraineur relu;
    relu.LoadFromXml(l.Lecteur, &autre);
    EXPECT_EQ(relu.ClubActuel, 65535);
    EXPECT_EQ(relu.CodePays, 65535);
}

TEST(TPersonnels, XmlRoundTripMergesDuplicates)
{
    TPersonnels arbitres;
    arbitres.Ajoute(Arbitre("Turpin", "Clément", 5));
    arbitres.Ajoute(Arbitre("Letexier", "François", 6));
    const std::string xml = EcritXml([&](TXmlWriter& w) { arbitres.SaveToXml(w, "Arbitres", nullptr); });
    // The same list again, a namesake of another case, a person without surname
    // and an unknown child.
    const std::string double_ =
        "<Arbitres>\r\n" + xml.substr(xml.find("<Personnel>"), xml.rfind("</Arbitres>") - xml.find("<Personnel>")) +
        "<Personnel><Nom>TURPIN</Nom><Prenom>clément</Prenom><Numero>9</Numero></Personnel>\r\n"
        "<Personnel><Prenom>Seul</Prenom><Numero>12</Numero></Personnel>\r\n<Autre>x</Autre>\r\n</Arbitres>\r\n";

    TLecteurSur l(double_);
    TPersonnels relus;
    const TListeRenumerotation renum = relus.LoadFromXml(l.Lecteur, "Personnel", nullptr);
    ASSERT_EQ(relus.Nombre(), 2);
    EXPECT_NE(dynamic_cast<TPersonnelStat*>(relus.Get(0)), nullptr);
    ASSERT_EQ(renum.size(), 1u);
    EXPECT_EQ(renum[0], (TRenumerotation{9, 5}));
    EXPECT_EQ(EcritXml([&](TXmlWriter& w) { relus.SaveToXml(w, "Arbitres", nullptr); }), xml);
}

TEST(Renumeroteur, AppliesThePairsInTheirOrder)
{
    // One after the other, as a loader hands them over: a chain ends at its
    // last link, a swap undoes itself for the first id.
    const TRenumeroteur chaine({{1, 2}, {2, 3}});
    EXPECT_EQ(chaine.Applique(1), 3);
    EXPECT_EQ(chaine.Applique(2), 3);
    EXPECT_EQ(chaine.Applique(3), 3);
    EXPECT_EQ(chaine.Applique(9), 9);

    const TRenumeroteur inverse({{2, 3}, {1, 2}});
    EXPECT_EQ(inverse.Applique(1), 2);
    EXPECT_EQ(inverse.Applique(2), 3);

    const TRenumeroteur echange({{1, 2}, {2, 1}});
    EXPECT_EQ(echange.Applique(1), 1);
    EXPECT_EQ(echange.Applique(2), 1);

    const TRenumeroteur repete({{4, 5}, {4, 6}});
    EXPECT_EQ(repete.Applique(4), 5) << "the second pair finds no 4 left";

    // Id 0 is nobody: line-ups never turn an empty place into a player.
    EXPECT_EQ(TRenumeroteur({{5, 0}, {0, 7}}).Applique(5), 7);
    EXPECT_EQ(TRenumeroteur({{5, 0}, {0, 7}}, false).Applique(5), 0);
    EXPECT_EQ(TRenumeroteur({{5, 0}, {0, 7}}, false).Applique(0), 0);
    EXPECT_EQ(TRenumeroteur({}).Applique(8), 8);
}
