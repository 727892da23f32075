// The Spanish engine: syllables by rule, stress and class, the rule behind each tilde, and the
// words it refuses.
#include "spanish/SpanishWord.h"
#include "spanish/TildeRule.h"
#include "spanish/WordExplanation.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Examples of each orthographic rule, written divided as the rule divides them.
struct SyllableGroup {
    const char *rule;
    const char16_t *words;
};

const SyllableGroup syllableGroups[] = {
    {"consonante entre vocales",
     u"ca-sa me-sa pa-to ro-sa lu-na ca-mi-no pe-lo-ta ma-ri-po-sa te-lé-fo-no sá-ba-do mé-di-co "
     u"pá-ja-ro e-ne-ro o-ro a-mi-go a-ma-ne-cer re-loj pa-red la-do ca-ña ni-ño ma-ña-na e-xa-men "
     u"ta-xi é-xi-to ca-yó a-yer ra-yo pla-ya pa-ya-so o-ye re-yes le-yes"},
    {"dos consonantes",
     u"ár-bol can-tar al-to ac-ción in-no-var ap-to ig-no-rar ob-je-to ad-mi-rar ab-so-lu-to ar-ma "
     u"pas-to es-pe-jo mun-do cam-po ven-ta-na lec-ción cáp-su-la rit-mo at-mós-fe-ra al-re-de-dor "
     u"hon-ra is-ra-e-lí en-re-do sub-ma-ri-no per-la op-ción ob-te-ner dig-no am-nis-tí-a"},
    {"grupos inseparables",
     u"a-pli-car a-pre-tar ha-blar a-bra-zo te-cla sa-cro re-gla a-gra-de-cer a-fli-gir co-fre "
     u"cua-dro le-tra o-tro pa-dre ma-dre a-cla-rar re-cla-mo cum-ple-a-ños som-bre-ro siem-pre "
     u"ham-bre san-gre a-fri-ca-no com-pra em-ple-o tem-blor cen-tral ci-clo pue-blo li-bro ne-gro "
     u"plu-ma pri-mo blan-co bra-zo cla-ve cre-ma glo-bo gra-cias flor fru-ta dra-gón tren"},
    {"tres consonantes",
     u"ins-tan-te cons-tan-te trans-por-te obs-tá-cu-lo am-plio en-tre con-tra in-glés hom-bre "
     u"nom-bre ex-pre-sar ex-pli-car ex-tra-ño es-cri-bir des-cri-bir con-clu-sión in-fla-mar "
     u"ins-pi-rar pers-pec-ti-va cons-cien-te ist-mo"},
    {"cuatro consonantes",
     u"abs-trac-to ins-truc-ción obs-truir cons-truc-ción ins-tru-men-to cons-tre-ñir trans-plan-te "
     u"ins-crip-ción abs-trac-ción mons-truo post-gra-do"},
    {"ch, ll y rr",
     u"co-che ca-lle pe-rro an-cho ar-chi-vo ca-rro to-rre ga-lli-na ca-ba-llo chi-cle mu-cha-cho "
     u"ho-rri-ble lla-ve llu-via ce-rro ba-rrio chu-le-ta te-cho cu-chi-llo ca-rre-te-ra si-lla "
     u"e-lla bo-rra-dor co-rre-o pe-cho"},
    {"diptongos",
     u"cau-sa pei-ne oi-go ciu-dad rui-do a-gua tie-rra pie-dra hue-vo bue-no cie-lo via-je nue-ve "
     u"cui-da-do aus-tral deu-da rei-na boi-na vien-to sue-lo es-cue-la ju-lio far-ma-cia in-dio "
     u"an-ti-guo a-ve-ri-guo ai-re jau-la au-to eu-ro cuo-ta viu-do Luis mue-ble sie-te"},
    {"triptongos",
     u"buey U-ru-guay a-ve-ri-guáis es-tu-diáis lim-piéis miau a-pre-ciáis a-ve-ri-güéis "
     u"san-ti-guáis cam-biáis a-cen-tuéis guau"},
    {"hiatos",
     u"po-e-ta le-er ca-er pa-ís ba-úl re-ú-ne ma-íz o-í-do rí-o dí-a tí-a ca-í-da le-í-do pe-or "
     u"te-a-tro i-de-a mu-se-o hé-ro-e a-é-re-o le-ón a-ta-úd ra-íz o-ír re-ír grú-a pú-a ac-tú-a "
     u"con-ti-nú-a ma-es-tro ca-o-ba cre-er po-e-sí-a o-cé-a-no pa-se-ar tra-er le-í-ais cre-í-ais "
     u"chi-i-ta du-un-vi-ro a-ú-lla bo-xe-o"},
    {"vocales iguales", u"chi-í fri-í-si-mo pi-í-si-mo chi-i-ta le-er chi-í-ta"},
    {"dos cerradas distintas", u"flui-do flúi-do ma-ñíu rui-do cons-truí ciu-dad"},
    {"h entre vocales",
     u"ahu-mar prohi-bir bú-ho al-co-hol re-hén za-na-ho-ria ahi-ja-do rehu-sar re-hú-so des-ha-cer "
     u"in-hu-ma-no a-hí ve-hí-cu-lo ca-ca-hue-te re-huir cohi-bir a-hue-car des-hie-lo ad-he-rir "
     u"ex-ha-lar an-he-lo in-hi-bir ahu-yen-tar a-hín-co ba-hí-a mo-hí-no pro-hí-be a-ho-ra co-he-te "
     u"coi-hue co-pi-hue"},
    {"gue, gui, que, qui, güe, güi",
     u"gui-ta-rra que-rer gue-rra qui-so pin-güi-no ci-güe-ña ver-güen-za a-güe-ro ar-güir pe-que-ño "
     u"á-gui-la al-qui-ler gui-sar man-gue-ra que-so bi-lin-güe lin-güís-ti-ca pa-ra-güe-ro güi-ro "
     u"guí-a ni-ca-ra-güen-se gua-po quó-rum a-gui-jón"},
    {"y final",
     u"es-toy vi-rrey Pa-ra-guay ley hoy muy ca-rey con-voy ma-guey hay doy soy voy rey ja-güey "
     u"yó-quey jer-sey Mon-te-rrey rug-by fe-rry"},
    {"tl", u"a-tlas a-tle-ta a-tlán-ti-co a-tle-tis-mo de-ca-tlón pen-ta-tlón tria-tlón"},
    {"monosílabos ortográficos",
     u"guion truhan fie lie lio hui Sion ion crie crio fio guie guio liais riais piais criais fiais "
     u"guiais rio"},
    {"prefijo sub- ante l o r",
     u"sub-lu-nar sub-ro-gar sub-re-gio-nal sub-le-var sub-ra-yar sub-rep-ti-cio sub-lin-gual "
     u"sub-rei-no SUB-LE-VAR su-bli-me su-bli-mar su-bir súb-di-to su-bran-quial"},
    {"prefijos por la regla general",
     u"de-sam-pa-ro no-so-tros vo-so-tros de-sa-rro-llo su-bur-bio i-ne-xac-to "
     u"bie-nes-tar su-ba-cuá-ti-co de-se-char tran-sal-pi-no"},
    {"mayúsculas", u"CA-MIÓN Á-fri-ca PA-ÍS AHU-MAR GUI-TA-RRA"},
};

} // namespace

class TestSpanishWord : public QObject {
    Q_OBJECT

private slots:
    void syllables_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("divided");
        int rows = 0;
        for (const SyllableGroup &group : syllableGroups) {
            const QStringList examples = QString::fromUtf16(group.words).split(u' ', Qt::SkipEmptyParts);
            for (const QString &divided : examples) {
                const QString word = QString(divided).remove(u'-');
                QTest::addRow("%s: %s", group.rule, qPrintable(word)) << word << divided;
                ++rows;
            }
        }
        QVERIFY(rows >= 300);
    }
    void syllables()
    {
        QFETCH(QString, word);
        QFETCH(QString, divided);
        const SpanishWord analysis(word);
        QVERIFY2(analysis.isValid(), qPrintable(analysis.problemText()));
        QCOMPARE(analysis.syllables(), divided);
    }

    // The stressed syllable, the class, the vowel sequences and what the rule says of the tilde,
    // one row per rule.
    void rules_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("fromEnd");
        QTest::addColumn<QString>("stressClass");
        QTest::addColumn<QString>("sequences");
        QTest::addColumn<bool>("demands");
        QTest::addColumn<QString>("because");

        QTest::addRow("aguda en vocal") << u"café"_s << 1 << u"aguda"_s << u""_s << true << u"aguda terminada en vocal"_s;
        QTest::addRow("aguda en -n") << u"camión"_s << 1 << u"aguda"_s << u"diptongo ió"_s << true << u"aguda terminada en -n"_s;
        QTest::addRow("aguda en -s") << u"compás"_s << 1 << u"aguda"_s << u""_s << true << u"aguda terminada en -s"_s;
        QTest::addRow("aguda en consonante + s") << u"robots"_s << 1 << u"aguda"_s << u""_s << false << u"precedida de otra consonante"_s;
        QTest::addRow("aguda en -y") << u"estoy"_s << 1 << u"aguda"_s << u"diptongo oy"_s << false << u"aguda terminada en -y"_s;
        QTest::addRow("aguda en -l") << u"papel"_s << 1 << u"aguda"_s << u""_s << false << u"aguda terminada en -l"_s;
        QTest::addRow("aguda sin tilde en vocal se lee llana") << u"cafe"_s << 2 << u"llana"_s << u""_s << false << u"llana terminada en vocal"_s;
        QTest::addRow("llana en vocal") << u"casa"_s << 2 << u"llana"_s << u""_s << false << u"llana terminada en vocal"_s;
        QTest::addRow("llana en -n") << u"joven"_s << 2 << u"llana"_s << u""_s << false << u"llana terminada en -n"_s;
        QTest::addRow("llana en -l") << u"cárcel"_s << 2 << u"llana"_s << u""_s << true << u"llana terminada en -l"_s;
        QTest::addRow("llana en -x") << u"tórax"_s << 2 << u"llana"_s << u""_s << true << u"llana terminada en -x"_s;
        QTest::addRow("llana en consonante + s") << u"bíceps"_s << 2 << u"llana"_s << u""_s << true << u"precedida de otra consonante"_s;
        QTest::addRow("llana en -y") << u"yóquey"_s << 2 << u"llana"_s << u"diptongo ey"_s << true << u"llana terminada en -y"_s;
        QTest::addRow("esdrújula") << u"música"_s << 3 << u"esdrújula"_s << u""_s << true << u"esdrújula"_s;
        QTest::addRow("sobresdrújula") << u"explícaselo"_s << 4 << u"sobresdrújula"_s << u""_s << true << u"sobresdrújula"_s;
        QTest::addRow("hiato aguda") << u"país"_s << 1 << u"aguda"_s << u"hiato a-í"_s << true << u"hiato a-í"_s;
        QTest::addRow("hiato con h") << u"búho"_s << 2 << u"llana"_s << u"hiato ú-o"_s << true << u"hiato ú-o"_s;
        QTest::addRow("hiato llana") << u"reúne"_s << 2 << u"llana"_s << u"hiato e-ú"_s << true << u"hiato e-ú"_s;
        QTest::addRow("hiato a ambos lados") << u"leíais"_s << 2 << u"llana"_s << u"hiato e-í, hiato í-a, diptongo ai"_s << true << u"hiato e-í-a"_s;
        QTest::addRow("hiato tras diptongo") << u"agüío"_s << 2 << u"llana"_s << u"diptongo üí, hiato í-o"_s << true << u"hiato í-o"_s;
        QTest::addRow("hiato de abiertas") << u"poeta"_s << 2 << u"llana"_s << u"hiato o-e"_s << false << u"llana terminada en vocal"_s;
        QTest::addRow("ui tónica en la segunda") << u"construí"_s << 1 << u"aguda"_s << u"diptongo uí"_s << true << u"aguda terminada en vocal"_s;
        QTest::addRow("monosílabo") << u"fue"_s << 1 << u"monosílaba"_s << u"diptongo ue"_s << false << u"monosílaba"_s;
        QTest::addRow("monosílabo de 2010") << u"guion"_s << 1 << u"monosílaba"_s << u"diptongo io"_s << false << u"monosílaba"_s;
        QTest::addRow("monosílabo con tilde antigua") << u"guión"_s << 1 << u"monosílaba"_s << u"diptongo ió"_s << false << u"monosílaba"_s;
        QTest::addRow("triptongo") << u"buey"_s << 1 << u"monosílaba"_s << u"triptongo uey"_s << false << u"monosílaba"_s;
        QTest::addRow("diacrítica con tilde") << u"tú"_s << 1 << u"monosílaba"_s << u""_s << true << u"«tu» es posesivo"_s;
        QTest::addRow("diacrítica sin tilde") << u"el"_s << 1 << u"monosílaba"_s << u""_s << false << u"«él» es pronombre personal"_s;
        QTest::addRow("diacrítica más") << u"más"_s << 1 << u"monosílaba"_s << u""_s << true << u"«mas» equivale a «pero»"_s;
        QTest::addRow("interrogativo") << u"cuándo"_s << 2 << u"llana"_s << u"diptongo uá"_s << true << u"interrogativo o exclamativo"_s;
        QTest::addRow("relativo") << u"donde"_s << 2 << u"llana"_s << u""_s << false << u"«dónde» es interrogativo"_s;
        QTest::addRow("interrogativo en mayúscula") << u"Qué"_s << 1 << u"monosílaba"_s << u""_s << true << u"interrogativo"_s;
        QTest::addRow("aún") << u"aún"_s << 1 << u"aguda"_s << u"hiato a-ú"_s << true << u"«todavía»"_s;
        QTest::addRow("aun") << u"aun"_s << 1 << u"monosílaba"_s << u"diptongo au"_s << false << u"«incluso»"_s;
        QTest::addRow("solo") << u"solo"_s << 2 << u"llana"_s << u""_s << false << u"«solamente»"_s;
        QTest::addRow("sólo") << u"sólo"_s << 2 << u"llana"_s << u""_s << false << u"«solamente»"_s;
        QTest::addRow("demostrativo") << u"éste"_s << 2 << u"llana"_s << u""_s << false << u"pronombre"_s;
        QTest::addRow("adverbio en -mente") << u"fácilmente"_s << 2 << u"llana"_s << u""_s << true << u"conserva la tilde de «fácil»: llana terminada en -l"_s;
        QTest::addRow("adverbio en -mente sin tilde") << u"buenamente"_s << 2 << u"llana"_s << u"diptongo ue"_s << false << u"llana terminada en vocal"_s;
        QTest::addRow("adverbio en -mente de adjetivo esdrújulo") << u"rápidamente"_s << 3 << u"esdrújula"_s << u""_s << true << u"«rápida»: esdrújula"_s;
        QTest::addRow("vocales iguales, aguda") << u"chií"_s << 1 << u"aguda"_s << u"hiato i-í"_s << true << u"aguda terminada en vocal"_s;
        QTest::addRow("vocales iguales, esdrújula") << u"friísimo"_s << 3 << u"esdrújula"_s << u"hiato i-í"_s << true << u"esdrújula"_s;
        QTest::addRow("vocales iguales, llana") << u"chiíta"_s << 2 << u"llana"_s << u"hiato i-í"_s << false << u"llana terminada en vocal"_s;
        QTest::addRow("ui con tilde en la primera") << u"flúido"_s << 2 << u"llana"_s << u"diptongo úi"_s << false << u"llana terminada en vocal"_s;
        QTest::addRow("iu con tilde en la primera") << u"mañíu"_s << 1 << u"aguda"_s << u"diptongo íu"_s << true << u"aguda terminada en vocal"_s;
        QTest::addRow("y final tras consonante") << u"rugby"_s << 2 << u"llana"_s << u""_s << false << u"llana terminada en vocal"_s;
        QTest::addRow("terminada en -ch") << u"sándwich"_s << 2 << u"llana"_s << u""_s << true << u"llana terminada en -ch,"_s;
        QTest::addRow("plural de té") << u"tés"_s << 1 << u"monosílaba"_s << u""_s << true << u"plural de «té»"_s;
        QTest::addRow("plural de la letra te") << u"tes"_s << 1 << u"monosílaba"_s << u""_s << false << u"«tés» es el plural"_s;
        QTest::addRow("cuán") << u"cuán"_s << 1 << u"monosílaba"_s << u"diptongo uá"_s << true << u"exclamativo"_s;
        QTest::addRow("cuan") << u"cuan"_s << 1 << u"monosílaba"_s << u"diptongo ua"_s << false << u"«cuán» es interrogativo"_s;
        QTest::addRow("cuantos indefinido") << u"cuantos"_s << 2 << u"llana"_s << u"diptongo ua"_s << false << u"o indefinido («unos cuantos"_s;
        QTest::addRow("demostrativo neutro") << u"esto"_s << 2 << u"llana"_s << u""_s << false << u"no la han llevado nunca"_s;
        QTest::addRow("demostrativo de 8 letras: aquellos") << u"aquellos"_s << 2 << u"llana"_s << u""_s << false << u"pronombre"_s;
        QTest::addRow("demostrativo de 8 letras: aquellas") << u"aquellas"_s << 2 << u"llana"_s << u""_s << false << u"pronombre"_s;
        QTest::addRow("demostrativo de 8 letras: aquéllos") << u"aquéllos"_s << 2 << u"llana"_s << u""_s << false << u"pronombre"_s;
        QTest::addRow("demostrativo de 8 letras: aquéllas") << u"aquéllas"_s << 2 << u"llana"_s << u""_s << false << u"pronombre"_s;
        QTest::addRow("muy, la y no es tónica") << u"muy"_s << 1 << u"monosílaba"_s << u"diptongo uy"_s << false << u"monosílaba"_s;
    }
    void rules()
    {
        QFETCH(QString, word);
        QFETCH(int, fromEnd);
        QFETCH(QString, stressClass);
        QFETCH(QString, sequences);
        QFETCH(bool, demands);
        QFETCH(QString, because);

        const SpanishWord analysis(word);
        QVERIFY2(analysis.isValid(), qPrintable(analysis.problemText()));
        QCOMPARE(analysis.stressFromEnd(), fromEnd);
        QCOMPARE(SpanishWord::className(analysis.stressClass()), stressClass);
        QStringList found;
        for (int i = 0; i < analysis.sequenceCount(); ++i)
            found << analysis.sequenceText(i);
        QCOMPARE(found.join(u", "_s), sequences);
        const TildeRule rule(analysis);
        QCOMPARE(rule.demandsTilde(), demands);
        const QString sentence = rule.sentence();
        QVERIFY2(sentence.contains(because), qPrintable(sentence));
        QVERIFY2(sentence.contains(demands ? u"lleva tilde"_s : u"no lleva tilde"_s), qPrintable(sentence));
        QVERIFY(sentence.endsWith(u'.'));
    }

    // The vowel that carries the stress, as a letter position.
    void stressedVowel_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("at");
        QTest::addRow("open vowel of a diphthong") << u"causa"_s << 1;
        QTest::addRow("second of two closed") << u"ruido"_s << 2;
        QTest::addRow("never a final y") << u"muy"_s << 1;
        QTest::addRow("open vowel of a triphthong") << u"Paraguay"_s << 6;
        QTest::addRow("the written accent") << u"árbol"_s << 0;
        QTest::addRow("after a silent u") << u"guerra"_s << 2;
    }
    void stressedVowel()
    {
        QFETCH(QString, word);
        QFETCH(int, at);
        QCOMPARE(SpanishWord(word).stressedVowel(), at);
    }

    void refusedWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<SpanishWord::Problem>("problem");
        QTest::addColumn<QString>("reason");
        QTest::addRow("empty") << QString() << SpanishWord::Problem::Empty << u"vacía"_s;
        QTest::addRow("no vowel") << u"brrr"_s << SpanishWord::Problem::NoVowel << u"ninguna vocal"_s;
        QTest::addRow("only h") << u"hm"_s << SpanishWord::Problem::NoVowel << u"ninguna vocal"_s;
        QTest::addRow("two accents") << u"cámión"_s << SpanishWord::Problem::TwoAccents << u"dos tildes"_s;
        QTest::addRow("digit") << u"3er"_s << SpanishWord::Problem::Digit << u"«3»"_s;
        QTest::addRow("space") << u"dos palabras"_s << SpanishWord::Problem::NotALetter << u"« »"_s;
        QTest::addRow("foreign letter") << u"garçon"_s << SpanishWord::Problem::NotALetter << u"«ç»"_s;
        QTest::addRow("grave accent") << u"à"_s << SpanishWord::Problem::NotALetter << u"«à»"_s;
        QTest::addRow("too long") << QString(SpanishWord::maxLetters + 1, u'a') << SpanishWord::Problem::TooLong << u"demasiado larga"_s;
    }
    void refusedWords()
    {
        QFETCH(QString, word);
        QFETCH(SpanishWord::Problem, problem);
        QFETCH(QString, reason);
        const SpanishWord analysis(word);
        QVERIFY(!analysis.isValid());
        QCOMPARE(analysis.problem(), problem);
        QVERIFY2(analysis.problemText().contains(reason), qPrintable(analysis.problemText()));
    }

    // The texts the windows show.
    void explanations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("missed word") << WordExplanation::ofMissedWord(u"cárcel"_s)
                                     << u"Era \"cárcel\" (cár-cel): llana terminada en -l, lleva tilde."_s;
        QTest::addRow("word refused") << WordExplanation::ofWord(u"3"_s) << u"\"3\": La palabra contiene la cifra «3»: escríbela con letras."_s;
        QTest::addRow("group with two sequences") << WordExplanation::ofGroup(u"leíais"_s)
                                                  << u"leíais: le-í-ais, tiene el hiato e-í, el hiato í-a y el diptongo ai"_s;
        QTest::addRow("phrase: word written otherwise")
            << WordExplanation::ofPhraseDifferences(u"¿Que dices?"_s, u"¿Qué dices?"_s)
            << u"«Que» se escribe \"Qué\" (Qué): lleva tilde cuando es interrogativo o exclamativo («¿qué quieres?»); sin ella, «que» es relativo o conjunción («dice que viene»)."_s;
        QTest::addRow("phrase: word missing") << WordExplanation::ofPhraseDifferences(u"El"_s, u"El árbol"_s)
                                              << u"Falta \"árbol\" (ár-bol): llana terminada en -l, lleva tilde."_s;
        QTest::addRow("phrase: word too many") << WordExplanation::ofPhraseDifferences(u"El árbol alto"_s, u"El árbol"_s)
                                               << u"«alto» sobra: el modelo no tiene esa palabra."_s;
        QTest::addRow("phrase: capital missing, tilde right")
            << WordExplanation::ofPhraseDifferences(u"tú sabes que tu hermano llegó tarde."_s, u"Tú sabes que tu hermano llegó tarde."_s)
            << u"«tú» lleva mayúscula: se escribe «Tú»."_s;
        QTest::addRow("phrase: capital too many") << WordExplanation::ofPhraseDifferences(u"Dijo Que sí"_s, u"Dijo que sí"_s)
                                                  << u"«Que» va en minúscula: se escribe «que»."_s;
        QTest::addRow("phrase: capital and tilde both wrong: the tilde is explained")
            << WordExplanation::ofPhraseDifferences(u"tu sabes"_s, u"Tú sabes"_s)
            << u"«tu» se escribe "_s + WordExplanation::ofWord(u"Tú"_s);
        QTest::addRow("phrase: only signs differ") << WordExplanation::ofPhraseDifferences(u"El árbol"_s, u"El árbol."_s) << QString();
    }
    void explanations()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void longestWordIsTaken()
    {
        const SpanishWord analysis(QString(SpanishWord::maxLetters / 2, u'a').replace(u"a"_s, u"ba"_s));
        QVERIFY(analysis.isValid());
        QCOMPARE(analysis.syllableCount(), SpanishWord::maxLetters / 2);
    }
};

QTEST_GUILESS_MAIN(TestSpanishWord)
#include "tst_spanishword.moc"
