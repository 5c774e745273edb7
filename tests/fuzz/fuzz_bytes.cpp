#include "tests/fuzz/fuzz_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <string>

namespace kw::fuzz {

namespace {

int edgyLength(QRandomGenerator& random, int size)
{
    switch (random.bounded(8)) {
    case 0: return 0;
    case 1: return 1 + random.bounded(8);
    case 2: return size - 1;
    case 3: return size + 1;
    case 4: return size * (2 + random.bounded(3)) + random.bounded(size);
    case 5: return random.bounded(size * 2 + 1);
    default: return size;
    }
}

void mutate(QRandomGenerator& random, QByteArray& bytes, const std::vector<StringField>& fields)
{
    if (bytes.isEmpty())
        return;
    const int changes = 1 + random.bounded(16);
    for (int i = 0; i < changes; ++i) {
        const int at = random.bounded(int(bytes.size()));
        switch (random.bounded(5)) {
        case 0: bytes[at] = char(random.bounded(256)); break;
        case 1:
            if (!fields.empty()) {
                const StringField f = fields[random.bounded(int(fields.size()))];
                if (f.offset < bytes.size())
                    bytes[f.offset] = char(random.bounded(2) ? 255 : std::min(255, f.maxChars + 1 + random.bounded(8)));
            }
            break;
        case 2: std::fill_n(bytes.data() + at, std::min<qsizetype>(64, bytes.size() - at), '\0'); break;
        case 3: std::fill_n(bytes.data() + at, std::min<qsizetype>(64, bytes.size() - at), '\xFF'); break;
        case 4: bytes[at] = char(bytes[at] ^ (1 << random.bounded(8))); break;
        }
    }
}

std::map<std::string, long long>& rounds()
{
    static std::map<std::string, long long> counted;
    return counted;
}

class RoundReport : public ::testing::Environment
{
public:
    void TearDown() override
    {
        long long total = 0;
        for (const auto& [reader, n] : rounds()) {
            std::cout << "[ fuzz     ] " << reader << ": " << n << " inputs\n";
            total += n;
        }
        std::cout << "[ fuzz     ] " << total << " inputs in all\n";
    }
};

const auto* const report = ::testing::AddGlobalTestEnvironment(new RoundReport);

} // namespace

QByteArray fuzzBytes(QRandomGenerator& random, int size, const QByteArray& seed, const std::vector<StringField>& fields)
{
    const int length = edgyLength(random, size);
    if (random.bounded(3) == 0 || seed.isEmpty()) {
        std::vector<quint32> words(size_t(length) / 4 + 1);
        random.fillRange(words.data(), qsizetype(words.size()));
        return QByteArray(reinterpret_cast<const char*>(words.data()), length);
    }
    QByteArray bytes;
    bytes.reserve(length);
    while (bytes.size() < length)
        bytes.append(seed.constData(), std::min<qsizetype>(seed.size(), length - bytes.size()));
    mutate(random, bytes, fields);
    return bytes;
}

QString fuzzText(QRandomGenerator& random, int maxLength)
{
    static const QString pieces = QStringLiteral("0123456789,.-+ eE\t%zł€ąĄ\u4E2Dinfnan");
    const int length = random.bounded(maxLength + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(6)) {
        case 0: text += QChar(char16_t(random.bounded(0x10000))); break;
        default: text += pieces[random.bounded(int(pieces.size()))]; break;
        }
    }
    return text;
}

void countRounds(const char* reader, int n) { rounds()[reader] += n; }

} // namespace kw::fuzz
