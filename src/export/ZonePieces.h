#pragma once
// ZonePieces: a line's pieces as a privacy zone breaks it, for the track exports.

#include <QList>

// Positions after a hidden one start a new piece, so nothing joins across a zone. A piece
// says with isEmpty() whether it holds a position yet; an empty one is never left behind.
template <typename Piece> class ZonePieces {
public:
    void hidden() { _split = _split || !_pieces.last().isEmpty(); }
    // The piece the next position goes into.
    Piece &next()
    {
        if (_split)
            _pieces.append(Piece());
        _split = false;
        return _pieces.last();
    }
    const QList<Piece> &pieces() const { return _pieces; }

private:
    QList<Piece> _pieces{Piece()};
    bool _split = false;
};
