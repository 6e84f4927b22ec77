// SPDX-License-Identifier: GPL-3.0-or-later
// tenvari._tenvari: the computation of tenvari-cli for Python. One moment
// goes through the command line's own code, so its fields are those of
// `tenvari-cli --format json` to the last bit; arrays go straight to the
// definitions, without the interpreter lock.
#include "AyanamsaSeries.h"
#include "Version.h"
#include "cli/CommandLine.h"

#include <charconv>
#include <optional>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <string>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace tenvari::python {

namespace {

// One moment's reading: the fields of tenvari-cli's JSON object.
struct Reading {
    py::dict fields;
};

// The message tenvari-cli writes for a refused moment, without the
// program's name and the line end.
std::string refusalText(const std::string& err) {
    std::string text = err.substr(0, err.find('\n'));
    constexpr std::string_view prefix = "tenvari-cli: ";
    if (text.starts_with(prefix)) {
        text.erase(0, prefix.size());
    }
    return text;
}

Reading readingOf(const std::string& date, const std::string& time, const std::string& zone,
                  bool dst, const std::optional<std::string>& calendar,
                  const std::optional<std::string>& ayanamsa, const std::optional<double>& deltaT) {
    // Every text is an option's value or follows "--", so none is taken
    // for an option of its own (a negative year included).
    std::vector<std::string> arguments = {"--format=json", "--zone=" + zone};
    if (dst) {
        arguments.emplace_back("--dst");
    }
    if (calendar) {
        arguments.push_back("--calendar=" + *calendar);
    }
    if (ayanamsa) {
        arguments.push_back("--ayanamsa=" + *ayanamsa);
    }
    if (deltaT) {
        // The shortest text that reads back as the same double.
        char buffer[32];
        arguments.push_back(
            "--delta-t=" +
            std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, *deltaT).ptr));
    }
    arguments.insert(arguments.end(), {"--", date, time});
    const cli::CliOutput output = cli::runCliCaptured(arguments);
    if (output.status != 0) {
        throw py::value_error(refusalText(output.err));
    }
    // Python's json module reads the numbers' texts, exactly as a program
    // reading tenvari-cli's output does.
    return Reading{py::module_::import("json").attr("loads")(output.out).cast<py::dict>()};
}

std::string readingRepr(const Reading& reading) {
    std::string text = "Reading(";
    bool first = true;
    for (const auto& [key, value] : reading.fields) {
        if (!first) {
            text += ", ";
        }
        first = false;
        text += py::str(key).cast<std::string>() + "=" + py::repr(value).cast<std::string>();
    }
    return text + ")";
}

// The dates of an array-like as an array NumPy can hand to fillAyanamsa*:
// float64 Julian Dates, or datetime64[us]. Refuses what holds no dates.
py::array datesArray(const py::object& dates) {
    const py::module_ numpy = py::module_::import("numpy");
    auto array = numpy.attr("asarray")(dates).cast<py::array>();
    if (array.ndim() > 1) {
        throw py::value_error("jd_ut must be one-dimensional (or a single date), not of shape " +
                              py::str(array.attr("shape")).cast<std::string>());
    }
    const char kind = array.dtype().kind();
    if (kind == 'M') {
        return array.attr("astype")("datetime64[us]").cast<py::array>();
    }
    if (kind != 'f' && kind != 'i' && kind != 'u') {
        throw py::type_error(
            "jd_ut must hold Julian Dates (numbers) or datetime64 values, not dtype " +
            py::str(array.dtype()).cast<std::string>());
    }
    if (!array.dtype().is(py::dtype::of<double>())) {
        return array.attr("astype")(py::dtype::of<double>()).cast<py::array>();
    }
    return array;
}

py::object ayanamsaOf(const py::object& jdUt, const std::string& definitionName,
                      const std::string& kindName) {
    const AyanamsaDefinition* definition = tenvari::findDefinition(definitionName);
    if (definition == nullptr) {
        std::string names;
        for (const AyanamsaDefinition& row : definitions()) {
            names += (names.empty() ? "" : ", ") + std::string(row.name);
        }
        throw py::value_error("unknown definition '" + definitionName + "': one of " + names);
    }
    const std::optional<AyanamsaKind> kind = findKind(kindName);
    if (!kind) {
        throw py::value_error("kind '" + kindName + "' is neither 'true' nor 'mean'");
    }

    const py::array dates = datesArray(jdUt);
    const bool single = dates.ndim() == 0;
    const auto count = static_cast<std::size_t>(dates.size());
    py::array_t<double> result(static_cast<py::ssize_t>(count));
    const auto* first = static_cast<const char*>(dates.data());
    const py::ssize_t stride = single ? 0 : dates.strides(0);
    const bool microseconds = dates.dtype().kind() == 'M';
    double* out = result.mutable_data();
    {
        py::gil_scoped_release unlocked;
        if (microseconds) {
            fillAyanamsaFromMicroseconds(*definition, *kind, first, stride, count, out);
        } else {
            fillAyanamsa(*definition, *kind, first, stride, count, out);
        }
    }
    if (single) {
        return py::float_(out[0]);
    }
    return result;
}

py::list definitionsTable() {
    py::list table;
    for (const AyanamsaDefinition& row : definitions()) {
        py::dict entry;
        entry["name"] = row.name;
        entry["summary"] = row.summary;
        entry["source"] = row.source;
        table.append(std::move(entry));
    }
    return table;
}

} // namespace

} // namespace tenvari::python

PYBIND11_MODULE(_tenvari, module) {
    using namespace tenvari::python;
    module.doc() = "The Lahiri ayanamsa of Tenvari: the numbers of tenvari-cli for Python.";
    module.attr("__version__") = tenvari::kVersion;

    py::class_<Reading>(module, "Reading",
                        R"(One moment's reading, as tenvari-cli --format json gives it.

Each field of the JSON object is an attribute of the same name and value:
date, time, zone, dst, julian_day_number, universal_time_hours, t_centuries,
ayanamsa_deg, ayanamsa_text, weekday, reference_true_deg, ... (see
tenvari-cli(1)). as_dict() returns them all.)")
        .def(
            "__getattr__",
            [](const Reading& reading, const std::string& name) -> py::object {
                if (!reading.fields.contains(name)) {
                    throw py::attribute_error("Reading has no field '" + name + "'");
                }
                return reading.fields[py::str(name)];
            },
            py::arg("name"))
        .def("__dir__",
             [](const Reading& reading) {
                 py::list names;
                 for (const auto& item : reading.fields) {
                     names.append(item.first);
                 }
                 names.append("as_dict");
                 return names;
             })
        .def(
            "as_dict",
            [](const Reading& reading) { return py::dict(reading.fields.attr("copy")()); },
            "The fields as a new dict, in tenvari-cli's order.")
        .def("__eq__",
             [](const Reading& reading, const py::object& other) -> py::object {
                 if (!py::isinstance<Reading>(other)) {
                     return py::reinterpret_borrow<py::object>(Py_NotImplemented);
                 }
                 return py::bool_(reading.fields.equal(other.cast<const Reading&>().fields));
             })
        .def("__repr__", &readingRepr);

    module.def("reading", &readingOf, py::arg("date"), py::arg("time"), py::kw_only(),
               py::arg("zone") = "+00:00", py::arg("dst") = false, py::arg("calendar") = py::none(),
               py::arg("ayanamsa") = py::none(), py::arg("delta_t") = py::none(),
               R"(The reading of one moment, as tenvari-cli gives it.

Args:
    date: "YYYY-MM-DD", a real date from -3000-01-01 to 3000-12-31 (year 0
        is 1 BCE).
    time: "HH:MM", the local clock time.
    zone: "+HH:MM" or "-HH:MM", the offset of the local clock from
        Universal Time, east positive, -14:00 to +14:00.
    dst: daylight saving was in force (the clock ran one hour ahead).
    calendar: "julian" or "gregorian" (proleptic); by default Julian to
        1582-10-04 and Gregorian from 1582-10-15 (tenvari-cli --calendar).
    ayanamsa: the definition the shown value (ayanamsa_deg, ayanamsa_text)
        takes, a name from definitions(); by default the window's formula
        within 1901-2050 and iae outside (tenvari-cli --ayanamsa).
    delta_t: TT - UT in seconds instead of the model (tenvari-cli --delta-t).

Returns:
    Reading: the fields of `tenvari-cli --format json` for the same
    arguments, with the same names and values; the definitions' values
    are the dict `definitions`, keyed by name.

Raises:
    ValueError: a text was refused; the message is tenvari-cli's, e.g.
        "DATE '2001-02-29' is not a real date".

Example:
    >>> tenvari.reading("1947-08-15", "00:00", zone="+05:30").ayanamsa_text
    '23° 7\' 21"')");

    module.def("ayanamsa", &ayanamsaOf, py::arg("jd_ut"), py::kw_only(),
               py::arg("definition") = "iae", py::arg("kind") = "true",
               R"(The ayanamsa of a definition at many moments, in degrees.

Args:
    jd_ut: Julian Dates in Universal Time: a one-dimensional NumPy array or
        anything numpy.asarray takes (a list, a pandas Series), of floats
        or integers; or datetime64 values of any unit (taken as UT). A
        single date gives a float.
    definition: a name from definitions(), "iae" by default.
    kind: "true" (with the nutation in longitude) or "mean" (without).

Returns:
    numpy.ndarray of float64, one value per date (NaN for NaN or NaT, and
    where the definition gives no value); a float for a single date.

Raises:
    TypeError: the dates are neither numbers nor datetime64.
    ValueError: an array of more than one dimension, an unknown
        definition or kind.

The input is read where it lies (read-only and strided arrays included)
and the interpreter lock is released while the values are computed.)");

    module.def("definitions", &definitionsTable,
               R"(The definitions ayanamsa() knows, in the ledger's order.

Returns:
    list of dict: for each definition its "name" (for ayanamsa's
    definition argument), a one-line "summary" of what it fixes and its
    "source".)");
}
