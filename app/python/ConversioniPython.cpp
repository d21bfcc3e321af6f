#include "app/python/ConversioniPython.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QVariant>
#include <cstdint>

namespace vc::python {

namespace {

std::string Sotto(const std::string& percorso, const std::string& chiave) {
    return percorso.empty() ? chiave : percorso + "." + chiave;
}

[[noreturn]] void NonAmmesso(py::handle valore, const std::string& percorso, const std::string& perche) {
    const std::string tipo = py::str(py::type::handle_of(valore).attr("__name__"));
    throw ErroreDati{"Errore nei dati",
                     (percorso.empty() ? "" : percorso + ": ") + perche + " (" + tipo + ")"};
}

Json Numero(py::handle valore, const std::string& percorso) {
    if (PyIndex_Check(valore.ptr())) {
        const auto intero = py::reinterpret_steal<py::object>(PyNumber_Index(valore.ptr()));
        int overflow = 0;
        const long long n = PyLong_AsLongLongAndOverflow(intero.ptr(), &overflow);
        if (overflow != 0) NonAmmesso(valore, percorso, "intero fuori scala");
        return static_cast<std::int64_t>(n);
    }
    const double d = PyFloat_AsDouble(valore.ptr());
    if (d == -1.0 && PyErr_Occurred()) {
        PyErr_Clear();
        NonAmmesso(valore, percorso, "valore non ammesso");
    }
    return d;
}

} // namespace

Json JsonDaPython(py::handle valore, const std::string& percorso) {
    if (valore.is_none()) return nullptr;
    if (PyBool_Check(valore.ptr())) return valore.cast<bool>();
    if (py::isinstance<py::str>(valore)) return valore.cast<std::string>();
    if (py::isinstance<py::dict>(valore)) {
        Json oggetto = Json::object();
        for (const auto& [chiave, v] : valore.cast<py::dict>()) {
            if (!py::isinstance<py::str>(chiave)) NonAmmesso(chiave, percorso, "nome di campo non testuale");
            const std::string nome = chiave.cast<std::string>();
            oggetto[nome] = JsonDaPython(v, Sotto(percorso, nome));
        }
        return oggetto;
    }
    if (py::isinstance<py::list>(valore) || py::isinstance<py::tuple>(valore)) {
        Json elenco = Json::array();
        std::size_t k = 0;
        for (const auto& v : valore)
            elenco.push_back(JsonDaPython(v, percorso + "[" + std::to_string(++k) + "]"));
        return elenco;
    }
    if (PyIndex_Check(valore.ptr()) || PyFloat_Check(valore.ptr()) || PyNumber_Check(valore.ptr()))
        return Numero(valore, percorso);
    NonAmmesso(valore, percorso, "valore non ammesso");
}

py::object PythonDaJson(const Json& valore) {
    switch (valore.type()) {
    case Json::value_t::null:
        return py::none();
    case Json::value_t::boolean:
        return py::bool_(valore.get<bool>());
    case Json::value_t::number_integer:
        return py::int_(valore.get<std::int64_t>());
    case Json::value_t::number_unsigned:
        return py::int_(valore.get<std::uint64_t>());
    case Json::value_t::number_float:
        return py::float_(valore.get<double>());
    case Json::value_t::string:
        return py::str(valore.get<std::string>());
    case Json::value_t::array: {
        py::list elenco;
        for (const auto& v : valore)
            elenco.append(PythonDaJson(v));
        return elenco;
    }
    case Json::value_t::object: {
        py::dict oggetto;
        for (const auto& [chiave, v] : valore.items())
            oggetto[py::str(chiave)] = PythonDaJson(v);
        return oggetto;
    }
    default:
        return py::none();
    }
}

namespace {

py::object DaValore(const QJsonValue& v) {
    switch (v.type()) {
    case QJsonValue::Bool:
        return py::bool_(v.toBool());
    case QJsonValue::Double:
        // The integers of the results (counts, indices) as int, as a JSON reader of the
        // command line's output gets them.
        if (v.toVariant().typeId() == QMetaType::LongLong) return py::int_(v.toInteger());
        return py::float_(v.toDouble());
    case QJsonValue::String:
        return py::str(v.toString().toStdString());
    case QJsonValue::Array: {
        const QJsonArray a = v.toArray();
        py::list elenco(a.size());
        for (qsizetype k = 0; k < a.size(); ++k)
            elenco[static_cast<std::size_t>(k)] = DaValore(a.at(k));
        return elenco;
    }
    case QJsonValue::Object:
        return PythonDaRisultati(v.toObject());
    default:
        return py::none();
    }
}

} // namespace

py::object PythonDaRisultati(const QJsonObject& risultati) {
    py::dict d;
    for (auto it = risultati.begin(); it != risultati.end(); ++it)
        d[py::str(it.key().toStdString())] = DaValore(*it);
    return d;
}

} // namespace vc::python
