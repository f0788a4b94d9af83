#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/OptionalText.h"
#include "store/Entity.h"
#include "store/EntityModel.h"

// Small entities that exercise every kind of property the store supports:
//   Album 1--* Track (cascade from Album), Album *--* Label (nullify both ways),
//   Album 1--1 Track as its single (nullify), Label with sub-entities Genre and Mood.

// A small value object kept in an archived-list attribute.
struct Beat final {
    std::int64_t weekday = 0;
    std::string unit;
    bool operator==(const Beat&) const = default;
};

template <>
struct ArchiveCoder<Beat> {
    static ArchiveFields encode(const Beat& b) {
        return {{"BeatWeekday", b.weekday}, {"BeatUnit", b.unit}};
    }
    static Beat decode(const ArchiveFields& f) {
        return Beat{std::get<std::int64_t>(f.at("BeatWeekday")),
                    std::get<std::string>(f.at("BeatUnit"))};
    }
};

class Track;
class Label;

class Album final : public Entity<Album> {
public:
    static const EntityDescription& entityDescription();

    const std::string& name() const { return m_name; }
    void setName(std::string name) { setValue(&Album::m_name, std::move(name)); }
    const ObjectSet<Track>& tracks() const { return m_tracks; }
    void addTracksObject(Track* t) { addToMany(&Album::m_tracks, t); }
    void removeTracksObject(Track* t) { removeFromMany(&Album::m_tracks, t); }
    const ObjectSet<Label>& labels() const { return m_labels; }
    void addLabelsObject(Label* l) { addToMany(&Album::m_labels, l); }
    void removeLabelsObject(Label* l) { removeFromMany(&Album::m_labels, l); }
    Track* single() const { return m_single; }
    void setSingle(Track* t) { setToOne(&Album::m_single, t); }

    // Fails with code 10 "Name cannot be blank".
    bool validateName(std::optional<ValidationError>& error) const;
    // Fails with code 30 "Single is not on the album" when the single is another album's.
    bool validateSingle(std::optional<ValidationError>& error) const;

private:
    std::string m_name;
    ObjectSet<Track> m_tracks;
    ObjectSet<Label> m_labels;
    Track* m_single = nullptr;
};

class Track final : public Entity<Track> {
public:
    static const EntityDescription& entityDescription();

    // Sets the title "Untitled" and counts itself in `number` (so a second run would show).
    void awakeFromInsert() override;
    // Both fail with code 20 "Price cannot be negative".
    bool validateForInsert(std::optional<ValidationError>& error) const override;
    bool validateForUpdate(std::optional<ValidationError>& error) const override;

    const std::string& title() const { return m_title; }
    void setTitle(std::string t) { setValue(&Track::m_title, std::move(t)); }
    Decimal price() const { return m_price; }
    void setPrice(Decimal p) { setValue(&Track::m_price, p); }
    std::optional<Date> released() const { return m_released; }
    void setReleased(std::optional<Date> d) { setValue(&Track::m_released, d); }
    std::int64_t number() const { return m_number; }
    void setNumber(std::int64_t n) { setValue(&Track::m_number, n); }
    bool isExplicit() const { return m_explicit; }
    void setExplicit(bool e) { setValue(&Track::m_explicit, e); }
    std::optional<std::int64_t> rating() const { return m_rating; }
    void setRating(std::optional<std::int64_t> r) { setValue(&Track::m_rating, r); }
    // Held compactly, as the program's bulk entities hold their texts.
    std::optional<std::string> note() const { return m_note.toOptionalString(); }
    void setNote(std::optional<std::string_view> n) { setValue(&Track::m_note, n); }
    const std::vector<Beat>& beats() const { return m_beats; }
    void setBeats(std::vector<Beat> b) { setValue(&Track::m_beats, std::move(b)); }
    Album* album() const { return m_album; }
    void setAlbum(Album* a) { setToOne(&Track::m_album, a); }
    Album* singleOf() const { return m_singleOf; }
    void setSingleOf(Album* a) { setToOne(&Track::m_singleOf, a); }

private:
    bool validatePrice(std::optional<ValidationError>& error) const;

    std::string m_title;
    Decimal m_price;
    std::optional<Date> m_released;
    std::int64_t m_number = 0;
    bool m_explicit = false;
    std::optional<std::int64_t> m_rating;
    OptionalText m_note;
    std::vector<Beat> m_beats;
    Album* m_album = nullptr;
    Album* m_singleOf = nullptr;
};

class Label : public Entity<Label> {
public:
    static const EntityDescription& entityDescription();

    const std::string& name() const { return m_name; }
    void setName(std::string n) { setValue(&Label::m_name, std::move(n)); }
    const ObjectSet<Album>& albums() const { return m_albums; }
    void addAlbumsObject(Album* a) { addToMany(&Label::m_albums, a); }

private:
    std::string m_name;
    ObjectSet<Album> m_albums;
};

class Genre final : public Entity<Genre, Label> {
public:
    static const EntityDescription& entityDescription();
    std::int64_t decade() const { return m_decade; }
    void setDecade(std::int64_t d) { setValue(&Genre::m_decade, d); }

private:
    std::int64_t m_decade = 0;
};

class Mood final : public Entity<Mood, Label> {
public:
    static const EntityDescription& entityDescription();
    bool calm() const { return m_calm; }
    void setCalm(bool c) { setValue(&Mood::m_calm, c); }

private:
    bool m_calm = false;
};

// Album, Track, Label, Genre, Mood.
const EntityModel& testModel();
