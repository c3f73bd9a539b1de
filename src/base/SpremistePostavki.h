#pragma once
// The per-user settings store of application "Velkor": texts by section and key.
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace velkor {

class SpremištePostavki {
public:
    virtual ~SpremištePostavki() = default;
    // No value when the key is missing.
    virtual std::optional<QString> Pročitaj(const QString& odjeljak, const QString& ključ) = 0;
    virtual void Zapiši(const QString& odjeljak, const QString& ključ,
                        const QString& vrijednost) = 0;
};

// The store over QSettings; every value is written through at once.
class QSettingsSpremište : public SpremištePostavki {
public:
    explicit QSettingsSpremište(std::unique_ptr<QSettings> postavke);
    ~QSettingsSpremište() override;
    std::optional<QString> Pročitaj(const QString& odjeljak, const QString& ključ) override;
    void Zapiši(const QString& odjeljak, const QString& ključ, const QString& vrijednost) override;

private:
    std::unique_ptr<QSettings> postavke;
};

} // namespace velkor
