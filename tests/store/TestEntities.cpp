#include "TestEntities.h"

#include "store/EntityBuilder.h"

namespace {

ValidationError testError(int code, const char* text) {
    return ValidationError{ValidationError::domainWithSuffix(".ErrorDomain"), code, text, {}, {}};
}

}  // namespace

const EntityDescription& Album::entityDescription() {
    static const EntityDescription d =
        EntityBuilder<Album>("Album")
            .attribute("name", &Album::m_name)
            .validator(&Album::validateName)
            .toMany("tracks", &Album::m_tracks, &Track::entityDescription, "album",
                    DeleteRule::Cascade)
            .toMany("labels", &Album::m_labels, &Label::entityDescription, "albums")
            .toOne("single", &Album::m_single, &Track::entityDescription, "singleOf")
            .validator(&Album::validateSingle)
            .build();
    return d;
}

bool Album::validateName(std::optional<ValidationError>& error) const {
    if (m_name.empty()) {
        return failValidation(error, testError(10, "Name cannot be blank"));
    }
    return true;
}

bool Album::validateSingle(std::optional<ValidationError>& error) const {
    if (m_single && m_single->album() != this) {
        return failValidation(error, testError(30, "Single is not on the album"));
    }
    return true;
}

const EntityDescription& Track::entityDescription() {
    static const EntityDescription d =
        EntityBuilder<Track>("Track")
            .attribute("title", &Track::m_title)
            .attribute("price", &Track::m_price)
            .attribute("released", &Track::m_released)
            .attribute("number", &Track::m_number)
            .attribute("explicit", &Track::m_explicit)
            .attribute("rating", &Track::m_rating)
            .attribute("note", &Track::m_note)
            .attribute("beats", &Track::m_beats)
            .toOne("album", &Track::m_album, &Album::entityDescription, "tracks")
            .toOne("singleOf", &Track::m_singleOf, &Album::entityDescription, "single")
            .build();
    return d;
}

void Track::awakeFromInsert() {
    setTitle("Untitled");
    setNumber(number() + 1);
}

bool Track::validatePrice(std::optional<ValidationError>& error) const {
    if (m_price.sign() < 0) {
        return failValidation(error, testError(20, "Price cannot be negative"));
    }
    return true;
}

bool Track::validateForInsert(std::optional<ValidationError>& error) const {
    return validatePrice(error);
}

bool Track::validateForUpdate(std::optional<ValidationError>& error) const {
    return validatePrice(error);
}

const EntityDescription& Label::entityDescription() {
    static const EntityDescription d =
        EntityBuilder<Label>("Label")
            .attribute("name", &Label::m_name)
            .toMany("albums", &Label::m_albums, &Album::entityDescription, "labels")
            .build();
    return d;
}

const EntityDescription& Genre::entityDescription() {
    static const EntityDescription d = EntityBuilder<Genre>("Genre")
                                           .parent(Label::entityDescription())
                                           .attribute("decade", &Genre::m_decade)
                                           .build();
    return d;
}

const EntityDescription& Mood::entityDescription() {
    static const EntityDescription d = EntityBuilder<Mood>("Mood")
                                           .parent(Label::entityDescription())
                                           .attribute("calm", &Mood::m_calm)
                                           .build();
    return d;
}

const EntityModel& testModel() {
    static const EntityModel model(
        1, {&Album::entityDescription(), &Track::entityDescription(), &Label::entityDescription(),
            &Genre::entityDescription(), &Mood::entityDescription()});
    return model;
}
