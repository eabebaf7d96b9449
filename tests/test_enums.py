import pytest

from quorvane._quorvane import enums

# (class, member, int, value) in declaration order, as the system publishes them.
MEMBERS = [
    ("SAALKeyMode", "NoDuplicates", 0, 0),
    ("SAALKeyMode", "DirectMemoryAccess", 1, 1),
    ("TimeSystem", "UTC", 0, "UTC"),
    ("TimeSystem", "TAI", 1, "TAI"),
    ("TimeSystem", "UT1", 2, "UT1"),
    ("TimeSystem", "TT", 3, "TT"),
    ("ReferenceFrame", "TEME", 0, "TEME"),
    ("ReferenceFrame", "EFG", 1, "EFG"),
    ("ReferenceFrame", "ECR", 2, "ECR"),
    ("ReferenceFrame", "J2000", 3, "J2000"),
    ("Classification", "Unclassified", 1, "U"),
    ("Classification", "Confidential", 2, "C"),
    ("Classification", "Secret", 3, "S"),
    ("KeplerianType", "MeanKozaiGP", 0, 0),
    ("KeplerianType", "MeanBrouwerGP", 2, 2),
    ("KeplerianType", "MeanBrouwerXP", 4, 4),
    ("KeplerianType", "Osculating", 6, 6),
    ("EquinoxType", "MeanOfDate", 1, 1),
    ("EquinoxType", "J2000", 2, 2),
    ("GeodeticModel", "WGS72", 72, 72),
    ("GeodeticModel", "WGS84", 84, 84),
    ("GeodeticModel", "EGM96", 96, 96),
    ("CovarianceType", "Inertial", 0, "Inertial"),
    ("CovarianceType", "Relative", 1, "Relative"),
    ("CovarianceType", "Equinoctial", 2, "Equinoctial"),
    ("AssociationConfidence", "High", 0, "High"),
    ("AssociationConfidence", "Medium", 1, "Medium"),
    ("AssociationConfidence", "Low", 2, "Low"),
]
CLASSES = list(dict.fromkeys(c for c, *_ in MEMBERS))


def test_module_lists_the_nine_classes_in_order():
    assert enums.__all__ == CLASSES


@pytest.mark.parametrize("cls_name, name, code, value", MEMBERS)
def test_member(cls_name, name, code, value):
    cls = getattr(enums, cls_name)
    member = getattr(cls, name)
    assert isinstance(member, cls)
    assert int(member) == code
    assert member.value == value and type(member.value) is type(value)
    assert repr(member) == str(member) == f"{cls_name}.{name}"


@pytest.mark.parametrize("cls_name", CLASSES)
def test_class_behaviour(cls_name):
    cls = getattr(enums, cls_name)
    members = [getattr(cls, n) for c, n, *_ in MEMBERS if c == cls_name]
    first, second = members[0], members[1]
    assert first == first and not (first != first)
    assert first != second and not (first == second)
    assert first != int(first) and not (first == int(first))
    with pytest.raises(TypeError):
        first < second
    with pytest.raises(TypeError):
        hash(first)
    with pytest.raises(TypeError):
        {first: 1}
    with pytest.raises(TypeError, match=f"^No constructor defined for {cls_name}$"):
        cls()
    with pytest.raises(AttributeError, match="can't delete attribute"):
        del first.value


def test_members_of_different_enumerations_never_compare_equal():
    assert enums.TimeSystem.UTC != enums.ReferenceFrame.TEME
    assert not (enums.TimeSystem.UTC == enums.ReferenceFrame.TEME)
