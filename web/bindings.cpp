// The session for JavaScript: createRainbowCore() gives a module whose Session a page's worker
// drives (see web/README.md). Only wrapping here: every behaviour is in session.cpp.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <string>

#include "web/session.h"

namespace {

using emscripten::val;
using rainbow::Session;

// A copy the page owns (and may transfer to another thread), not a view of the module's memory.
template <class T>
val array_copy(const std::vector<T>& values) {
    return val(emscripten::typed_memory_view(values.size(), values.data())).call<val>("slice");
}

val strings(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) array.call<void>("push", text);
    return array;
}

Session* make_session(int width, int height, const std::string& translations) {
    try {
        return new Session(width, height, translations);
    } catch (const std::exception& e) {
        val::global("Error").new_(std::string(e.what())).throw_();
    }
    return nullptr;
}

Session* make_english_session(int width, int height) { return make_session(width, height, ""); }

val picture(Session& session, const std::string& form, const std::string& name) {
    const rainbow::PictureArrays arrays = session.picture(form, name);
    val images = val::array();
    for (const rainbow::ArrayImage& image : arrays.images) {
        val item = val::object();
        item.set("width", image.width);
        item.set("height", image.height);
        item.set("rgb", array_copy(image.rgb));
        images.call<void>("push", item);
    }
    val out = val::object();
    out.set("nums", array_copy(arrays.nums));
    out.set("texts", strings(arrays.texts));
    out.set("images", images);
    out.set("widthTwips", arrays.width_twips);
    out.set("heightTwips", arrays.height_twips);
    out.set("longerSide", arrays.longer_side);
    out.set("referencePixels", arrays.reference_pixels);
    return out;
}

val changed_pictures(Session& session) { return strings(session.changed_pictures()); }

}  // namespace

EMSCRIPTEN_BINDINGS(rainbow_core) {
    using namespace emscripten;
    class_<Session>("Session")
        .constructor(&make_session, allow_raw_pointers())
        .constructor(&make_english_session, allow_raw_pointers())
        .function("step", &Session::step)
        .function("stateJson", &Session::state_json)
        .function("formsJson", &Session::forms_json)
        .function("changedPictures", &changed_pictures)
        .function("picture", &picture)
        .function("busy", &Session::busy)
        .function("work", &Session::work)
        .function("lessonJson", &Session::lesson_json)
        .function("openLesson", &Session::open_lesson)
        .function("addScene", &Session::add_scene)
        .function("presentLesson", &Session::present_lesson)
        .function("nextScene", &Session::next_scene)
        .function("previousScene", &Session::previous_scene)
        .function("endPresentation", &Session::end_presentation)
        .function("sceneJson", &Session::scene_json)
        .function("restart", &Session::restart)
        .function("ended", &Session::ended);
}
