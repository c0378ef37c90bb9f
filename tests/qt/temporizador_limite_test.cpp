#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "qt/alarmas.h"

namespace tarvolo {
namespace {

using namespace std::chrono;

// Runs in a time zone of its own, and puts the process's back after.
class EnZona {
public:
    explicit EnZona(const char* zona) {
        if (const char* antes = std::getenv("TZ")) antes_ = antes;
        setenv("TZ", zona, 1);
        tzset();
    }
    ~EnZona() {
        if (antes_)
            setenv("TZ", antes_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> antes_;
};

struct Medianoche {
    const char* zona;
    Fecha dia;
    std::time_t inicio;
};

TEST(InicioDelDiaLocal, IsTheFirstInstantTheClocksShowThatDay) {
    const Medianoche casos[] = {
        {"UTC", 2021y / January / 3, 1609632000},
        // 00:00 CET is 23:00 UTC of the day before.
        {"Europe/Madrid", 2020y / December / 27, 1609023600},
        // Chile springs forward at midnight: Sunday 6 September 2020 begins
        // at 01:00 -03, never at 00:00.
        {"America/Santiago", 2020y / September / 6, 1599364800},
        {"America/Santiago", 2020y / September / 13, 1599966000},
        // and falls back at midnight: Saturday runs to 23:59 twice and
        // Sunday 4 April 2021 begins once, at 00:00 -04.
        {"America/Santiago", 2021y / April / 4, 1617508800},
    };
    for (const auto& c : casos) {
        const EnZona zona(c.zona);
        EXPECT_EQ(inicioDelDiaLocal(c.dia), c.inicio) << c.zona << " " << static_cast<unsigned>(c.dia.day());
    }
}

// The real alarm, on this machine's clock.
class TemporizadorReal : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        escribir("CET");
        limite = temporizadorDelSistema(QFile::encodeName(zona()).constData());
    }
    QString zona() const { return carpeta.filePath(QStringLiteral("localtime")); }
    void escribir(const QByteArray& contenido, const QString& nombre = QStringLiteral("localtime")) {
        QFile f(carpeta.filePath(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenido);
    }

    QTemporaryDir carpeta;
    std::unique_ptr<TemporizadorLimite> limite;
};

TEST_F(TemporizadorReal, ADayWhoseMidnightHasPassedGoesOffAtOnce) {
    int alarmas = 0;
    limite->alSonar([&] { ++alarmas; });
    limite->armar(2020y / December / 27);
    EXPECT_TRUE(QTest::qWaitFor([&] { return alarmas > 0; }, 30000));
}

TEST_F(TemporizadorReal, AZoneFileReplacedOrRewrittenGoesOff) {
    limite->armar(2999y / January / 1);
    int alarmas = 0;
    limite->alSonar([&] { ++alarmas; });
    // Replaced, as a new link or a renamed copy puts it there.
    escribir("EST", QStringLiteral("nueva"));
    ASSERT_TRUE(QFile::remove(zona()));
    ASSERT_TRUE(QFile::rename(carpeta.filePath(QStringLiteral("nueva")), zona()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return alarmas > 0; }, 30000));

    // The new file is watched in turn: rewritten in place, it goes off again.
    alarmas = 0;
    escribir("PST");
    EXPECT_TRUE(QTest::qWaitFor([&] { return alarmas > 0; }, 30000));
}

}  // namespace
}  // namespace tarvolo
