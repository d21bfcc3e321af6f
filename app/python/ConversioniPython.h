#pragma once
// Python values to and from the JSON values of the program: the beam as a dict of the JSON
// beam's schema, the results as the dict of the command line's --json output.

#include "files/TraveJson.h"

#include <QJsonObject>
#include <pybind11/pybind11.h>
#include <string>

namespace vc::python {

namespace py = pybind11;

// A dict, list, str, int, float, bool or None, nested, as a JSON value. Integers and floats of
// other libraries (numpy) are taken by their value. Anything else throws ErroreDati naming the
// field, as the reader of the beam names a bad one.
Json JsonDaPython(py::handle valore, const std::string& percorso = {});

// A JSON value as Python values: objects as dicts in their order, arrays as lists.
py::object PythonDaJson(const Json& valore);

// The results of a calculation as the command line writes them: whole numbers as int, the
// others as float, arrays as lists.
py::object PythonDaRisultati(const QJsonObject& risultati);

// A failure the user is told about: the program's message and the reason behind it. Raised in
// Python as velcora.ErroreDati(messaggio, motivo).
struct ErroreDati {
    std::string Messaggio;
    std::string Motivo;
};

} // namespace vc::python
