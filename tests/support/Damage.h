#pragma once

#include <QByteArray>

#include <random>

namespace korbo::test {

// Damaged versions of a good file for the readers' robustness tests, three kinds in turn:
// noise mostly drawn from the file's own alphabet, the good file with bytes changed,
// inserted or removed, and the good file cut short.
class Damage {
public:
    Damage(unsigned seed, QByteArray valid, QByteArray alphabet)
        : m_engine(seed), m_valid(std::move(valid)), m_alphabet(std::move(alphabet)) {}

    int below(int n) { return static_cast<int>(m_engine() % static_cast<unsigned>(n)); }

    QByteArray next(int round)
    {
        QByteArray bytes;
        switch (round % 3) {
        case 0:
            bytes.resize(below(2 * m_valid.size() + 1));
            for (char &c : bytes)
                c = below(8) ? letter() : static_cast<char>(below(256));
            break;
        case 1:
            bytes = m_valid;
            for (int n = below(20); n >= 0 && !bytes.isEmpty(); --n) {
                const int at = below(bytes.size());
                switch (below(3)) {
                case 0: bytes[at] = letter(); break;
                case 1: bytes.insert(at, static_cast<char>(below(256))); break;
                default: bytes.remove(at, below(8)); break;
                }
            }
            break;
        default:
            bytes = m_valid.left(below(m_valid.size() + 1));
            break;
        }
        return bytes;
    }

private:
    char letter() { return m_alphabet[below(m_alphabet.size())]; }

    std::mt19937 m_engine;
    QByteArray m_valid, m_alphabet;
};

} // namespace korbo::test
